// GpsdSource against a real gpsd (gpsfake replaying a log from tests/scripts/make_nmea_log.py):
// every fix as the log's RMC sentence says it, and the source's own account of a gpsd that is
// not there, goes away or comes back.
#include "own_ship/gpsd_source.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "navigation/utc_time.h"
#include "own_ship/fake_gpsd.h"

namespace hurricane::own_ship {
namespace {

using namespace std::chrono_literals;
using gpsd_test::FakeGpsd;
using gpsd_test::ScratchDir;

// What an RMC sentence of the log says, read here on its own, not from the script's numbers.
struct LoggedFix {
  double lat = 0.0, lon = 0.0, sog_kn = 0.0, cog_deg = 0.0;
};

double nmea_angle(const std::string& text, int degree_digits, const std::string& hemisphere) {
  const double degrees = std::stod(text.substr(0, static_cast<std::size_t>(degree_digits)));
  const double minutes = std::stod(text.substr(static_cast<std::size_t>(degree_digits)));
  const double value = degrees + minutes / 60.0;
  return hemisphere == "S" || hemisphere == "W" ? -value : value;
}

std::map<UtcTime, LoggedFix> read_rmc(const std::filesystem::path& log) {
  std::map<UtcTime, LoggedFix> fixes;
  std::ifstream in(log);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("$GPRMC,", 0) != 0) continue;
    std::vector<std::string> f;
    std::stringstream fields(line.substr(0, line.find('*')));
    for (std::string field; std::getline(fields, field, ',');) f.push_back(field);
    const auto time =
        navigation::civil_time(2000 + std::stoi(f[9].substr(4, 2)), std::stoi(f[9].substr(2, 2)),
                               std::stoi(f[9].substr(0, 2)), std::stoi(f[1].substr(0, 2)),
                               std::stoi(f[1].substr(2, 2)), std::stoi(f[1].substr(4, 2)));
    fixes[*time] = {nmea_angle(f[3], 2, f[4]), nmea_angle(f[5], 3, f[6]), std::stod(f[7]),
                    std::stod(f[8])};
  }
  return fixes;
}

// Every fix `source` gives until `last` comes or `within` has passed.
std::vector<Fix> fixes_until(GpsdSource& source, UtcTime last, std::chrono::seconds within) {
  std::vector<Fix> fixes;
  const auto end = std::chrono::steady_clock::now() + within;
  while (std::chrono::steady_clock::now() < end) {
    if (auto fix = source.next(500ms)) {
      fixes.push_back(*fix);
      if (fix->time >= last) break;
    }
  }
  return fixes;
}

void expect_as_logged(const Fix& fix, const std::map<UtcTime, LoggedFix>& log) {
  const auto logged = log.find(fix.time);
  ASSERT_NE(logged, log.end()) << navigation::format_utc_time(fix.time) << " is not in the log";
  const std::string at = navigation::format_utc_time(fix.time);
  // The log writes ten-thousandths of a minute, 0.01 kn and 0.1 degree; gpsd's JSON carries
  // 1e-9 degree, 0.0001 degree of track and 0.001 m/s (0.002 kn).
  EXPECT_NEAR(fix.position.lat, logged->second.lat, 1e-8) << at;
  EXPECT_NEAR(fix.position.lon, logged->second.lon, 1e-8) << at;
  ASSERT_TRUE(fix.cog_deg && fix.sog_kn) << at;
  EXPECT_NEAR(*fix.cog_deg, logged->second.cog_deg, 1e-4) << at;
  EXPECT_NEAR(*fix.sog_kn, logged->second.sog_kn, 0.002) << at;
  EXPECT_EQ(fix.source, "gpsd");
}

class GpsdSourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!gpsd_test::gpsfake_installed()) {
      GTEST_SKIP() << "gpsfake (Debian gpsd-clients) is not installed at " HURRICANE_GPSFAKE;
    }
  }
  ScratchDir scratch_;
};

// Three minutes at 1 Hz replayed at 50 fixes a second, in the western and northern
// hemispheres. The dates are after 2016: gpsd 3.22 takes an earlier NMEA date for a GPS week
// rollover and moves it on 1024 weeks.
TEST_F(GpsdSourceTest, GivesEveryFixAsTheLogSaysAndNamesTheLossWhenGpsdGoes) {
  const auto log_file = scratch_.path() / "ship.nmea";
  gpsd_test::make_nmea_log(log_file,
                           "--lat 31.25 --lon -64.5 --course 237.3 --speed 13.7 "
                           "--start 2023-09-15T23:59:00Z --seconds 180");
  const auto log = read_rmc(log_file);
  ASSERT_EQ(log.size(), 181u);

  const int port = gpsd_test::free_port();
  FakeGpsd gpsd(port, log_file, "0.01", scratch_.path() / "gpsfake.out");
  ASSERT_TRUE(FakeGpsd::wait_until_listening(port, 10s));
  GpsdSource source("127.0.0.1", port);
  EXPECT_EQ(source.describe(), "gpsd 127.0.0.1:" + std::to_string(port));

  const std::vector<Fix> fixes = fixes_until(source, log.rbegin()->first, 20s);
  EXPECT_EQ(source.problem(), "");
  // Those sent before the source was watching are gone; after the first, not one is missed.
  ASSERT_GE(fixes.size(), 150u);
  EXPECT_EQ(fixes.back().time, log.rbegin()->first);
  for (std::size_t i = 0; i < fixes.size(); ++i) {
    expect_as_logged(fixes[i], log);
    if (i > 0) {
      EXPECT_EQ(fixes[i].time - fixes[i - 1].time, 1s);
    }
  }

  gpsd.stop();
  const auto lost_at = std::chrono::steady_clock::now();
  EXPECT_FALSE(source.next(2s));
  EXPECT_LT(std::chrono::steady_clock::now() - lost_at, 1s) << "the loss is told at once";
  EXPECT_EQ(source.problem().rfind("gpsd at 127.0.0.1:" + std::to_string(port) + ": ", 0), 0u)
      << source.problem();
}

// Nothing listening: no fix and the address in the problem, retries no more often than once a
// second, and fixes as soon as gpsd is there; in the southern and eastern hemispheres.
TEST_F(GpsdSourceTest, NamesTheAddressWhileNothingListensThenRecovers) {
  const int port = gpsd_test::free_port();
  GpsdSource source("127.0.0.1", port);
  EXPECT_FALSE(source.next(100ms));
  EXPECT_EQ(source.problem(),
            "gpsd at 127.0.0.1:" + std::to_string(port) + ": cannot connect: Connection refused");
  // The next try is a second after the last: a shorter wait ends without one, having waited.
  const auto before = std::chrono::steady_clock::now();
  EXPECT_FALSE(source.next(300ms));
  EXPECT_GE(std::chrono::steady_clock::now() - before, 300ms);

  const auto log_file = scratch_.path() / "ship.nmea";
  gpsd_test::make_nmea_log(log_file,
                           "--lat -12.5 --lon 171.9 --course 12 --speed 8.5 "
                           "--start 2024-02-29T12:00:00Z --seconds 120");
  const auto log = read_rmc(log_file);
  FakeGpsd gpsd(port, log_file, "0.02", scratch_.path() / "gpsfake.out");
  std::optional<Fix> fix;
  const auto end = std::chrono::steady_clock::now() + 10s;
  while (!fix && std::chrono::steady_clock::now() < end) fix = source.next(500ms);
  ASSERT_TRUE(fix) << source.problem();
  EXPECT_EQ(source.problem(), "");
  expect_as_logged(*fix, log);
}

// A host that drops the connection's packets, as a listener whose queue is full does: the try to
// connect ends after kGpsdConnectWithin, not the system's minutes, and says so.
TEST(GpsdSource, GivesUpOnAHostThatDoesNotAnswer) {
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), length), 0);
  ASSERT_EQ(listen(listener, 0), 0);
  ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
  const int filler = socket(AF_INET, SOCK_STREAM, 0);  // never accepted: the queue is full
  ASSERT_EQ(connect(filler, reinterpret_cast<sockaddr*>(&address), length), 0);

  const int port = ntohs(address.sin_port);
  GpsdSource source("127.0.0.1", port);
  const auto before = std::chrono::steady_clock::now();
  EXPECT_FALSE(source.next(100ms));
  const auto took = std::chrono::steady_clock::now() - before;
  EXPECT_GE(took, kGpsdConnectWithin);
  EXPECT_LT(took, kGpsdConnectWithin + 1s);
  EXPECT_EQ(source.problem(),
            "gpsd at 127.0.0.1:" + std::to_string(port) + ": cannot connect: no answer within 2 s");
  close(filler);
  close(listener);
}

}  // namespace
}  // namespace hurricane::own_ship
