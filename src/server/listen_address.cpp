#include "server/listen_address.h"

#include <charconv>
#include <system_error>

namespace hurricane::server {

namespace {

const char* const kExpected = "expected ADDR:PORT, for example 127.0.0.1:8080 or [::1]:8080";

Error problem(std::string_view text, std::string_view what) {
  return Error{ErrorKind::kUnusable, Field::kListen, std::string(text),
               std::string(what) + "; " + kExpected};
}

}  // namespace

Result<ListenAddress> parse_listen_address(std::string_view text) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos) return problem(text, "no port");
  std::string_view host = text.substr(0, colon);
  const std::string_view port = text.substr(colon + 1);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
  } else if (host.find_first_of(":[]") != std::string_view::npos) {
    return problem(text, "an IPv6 address needs brackets");
  }
  if (host.empty()) return problem(text, "no address");
  if (host.find_first_of(" \t/\\") != std::string_view::npos) {
    return problem(text, "not an address");
  }
  int number = 0;
  if (port.empty() || port.front() < '0' || port.front() > '9') {
    return problem(text, "the port must be a number from 0 to 65535");
  }
  const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), number);
  if (error != std::errc{} || end != port.data() + port.size() || number < 0 || number > 65535) {
    return problem(text, "the port must be a number from 0 to 65535");
  }
  return ListenAddress{std::string(host), number};
}

std::string url_of(const ListenAddress& address) {
  const bool ipv6 = address.host.find(':') != std::string::npos;
  const std::string host = ipv6 ? "[" + address.host + "]" : address.host;
  return "http://" + host + ":" + std::to_string(address.port) + "/";
}

}  // namespace hurricane::server
