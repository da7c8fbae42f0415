// Where gpsd listens, as the navigator gives it: HOST or HOST:PORT.
#pragma once

#include <string>
#include <string_view>

#include "error/error.h"

namespace hurricane::own_ship {

inline constexpr int kGpsdPort = 2947;  // gpsd's registered port

struct GpsdAddress {
  std::string host;  // a host name, an IPv4 address or an IPv6 address without its brackets
  int port = kGpsdPort;
};

// parse_gpsd_address: "localhost", "192.168.1.20:2947", "[::1]" or "[fe80::1%eth0]:2948"; the
// port is 2947 when only a host is given, and an IPv6 address needs its brackets. The error
// (Field::kGpsd, the text as its value) says what is wrong and the form expected.
Result<GpsdAddress> parse_gpsd_address(std::string_view text);

// address_text: "HOST:PORT", an IPv6 host in brackets, as messages name the address.
std::string address_text(const GpsdAddress& address);

}  // namespace hurricane::own_ship
