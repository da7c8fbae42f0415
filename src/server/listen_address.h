// Where the server listens: an address and a port.
#pragma once

#include <string>
#include <string_view>

#include "error/error.h"

namespace hurricane::server {

struct ListenAddress {
  std::string host;  // an IPv4 address, an IPv6 address without its brackets, or a host name
  int port = 0;      // 0..65535; 0 lets the system pick a free port
};

// parse_listen_address: "127.0.0.1:8080", "0.0.0.0:0", "[::1]:8080" or "localhost:8080". The
// port is the decimal number after the last colon; an IPv6 address needs its brackets. The
// error (Field::kListen, the text as its value) says what is wrong and the form expected; the
// front-end names where the text came from.
Result<ListenAddress> parse_listen_address(std::string_view text);

// url_of: "http://HOST:PORT/", an IPv6 host in brackets.
std::string url_of(const ListenAddress& address);

}  // namespace hurricane::server
