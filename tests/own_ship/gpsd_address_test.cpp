#include "own_ship/gpsd_address.h"

#include <gtest/gtest.h>

namespace hurricane::own_ship {
namespace {

// The forms the navigator may give, with and without a port, and the address as messages name
// it again.
TEST(GpsdAddress, ReadsHostAndPortWithGpsdsPortByDefault) {
  struct Case {
    const char* text;
    const char* host;
    int port;
    const char* named;
  };
  for (const Case& c :
       {Case{"localhost", "localhost", 2947, "localhost:2947"},
        Case{"192.168.1.20:2948", "192.168.1.20", 2948, "192.168.1.20:2948"},
        Case{"gps.ship.local:65535", "gps.ship.local", 65535, "gps.ship.local:65535"},
        Case{"[::1]", "::1", 2947, "[::1]:2947"},
        Case{"[fe80::1%eth0]:1", "fe80::1%eth0", 1, "[fe80::1%eth0]:1"}}) {
    const auto address = parse_gpsd_address(c.text);
    ASSERT_TRUE(address.ok()) << c.text << ": " << address.error().problem;
    EXPECT_EQ(address.value().host, c.host);
    EXPECT_EQ(address.value().port, c.port);
    EXPECT_EQ(address_text(address.value()), c.named);
  }
}

TEST(GpsdAddress, RefusesWhatIsNoHostOrPort) {
  for (const char* text : {"", ":2947", "localhost:", "localhost:0", "localhost:65536",
                           "localhost:29x", "localhost:-1", "localhost:+2", "::1", "::1:2947",
                           "[::1", "[::1]2947", "[]:2947", "a b:2947", "host/x"}) {
    const auto address = parse_gpsd_address(text);
    ASSERT_FALSE(address.ok()) << text;
    EXPECT_EQ(address.error().field, Field::kGpsd);
    EXPECT_EQ(address.error().value, text);
    EXPECT_NE(address.error().problem.find("expected HOST or HOST:PORT"), std::string::npos);
  }
}

}  // namespace
}  // namespace hurricane::own_ship
