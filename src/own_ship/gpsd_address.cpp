#include "own_ship/gpsd_address.h"

#include <charconv>
#include <system_error>

namespace hurricane::own_ship {
namespace {

const char* const kExpected = "expected HOST or HOST:PORT, for example localhost:2947 or [::1]";

Error problem(std::string_view text, std::string_view what) {
  return Error{ErrorKind::kUnusable, Field::kGpsd, std::string(text),
               std::string(what) + "; " + kExpected};
}

}  // namespace

Result<GpsdAddress> parse_gpsd_address(std::string_view text) {
  std::string_view host = text;
  std::string_view port;
  bool has_port = false;
  if (!text.empty() && text.front() == '[') {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return problem(text, "no closing bracket");
    host = text.substr(1, close - 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return problem(text, "only :PORT may follow the brackets");
      port = rest.substr(1);
      has_port = true;
    }
  } else {
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
      if (text.find(':', colon + 1) != std::string_view::npos) {
        return problem(text, "an IPv6 address needs brackets");
      }
      host = text.substr(0, colon);
      port = text.substr(colon + 1);
      has_port = true;
    }
  }
  if (host.empty()) return problem(text, "no host");
  if (host.find_first_of(" \t/\\[]") != std::string_view::npos) {
    return problem(text, "not a host");
  }
  int number = kGpsdPort;
  if (has_port) {
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), number);
    if (port.empty() || port.front() < '0' || port.front() > '9' || error != std::errc{} ||
        end != port.data() + port.size() || number < 1 || number > 65535) {
      return problem(text, "the port must be a number from 1 to 65535");
    }
  }
  return GpsdAddress{std::string(host), number};
}

std::string address_text(const GpsdAddress& address) {
  const bool ipv6 = address.host.find(':') != std::string::npos;
  return (ipv6 ? "[" + address.host + "]" : address.host) + ":" + std::to_string(address.port);
}

}  // namespace hurricane::own_ship
