// Where a Signal K server's stream is, from the URL the navigator gives.
#pragma once

#include <string>
#include <string_view>

#include "error/error.h"

namespace hurricane::own_ship {

struct SignalKEndpoint {
  std::string url;     // as given, for messages
  std::string host;    // a name, an IPv4 address or an IPv6 address without its brackets
  std::string port;    // the URL's, else 80
  std::string target;  // the stream's path, asking for nothing until we subscribe
};

// signalk_endpoint: the stream of `url`, which is either the stream itself,
// "ws://HOST[:PORT]/signalk/v1/stream", or the server, "http://HOST[:PORT]" (with or without
// a final "/"). Anything else (TLS, another path, a query, a user) is an error of
// Field::kSignalK naming the forms taken.
Result<SignalKEndpoint> signalk_endpoint(std::string_view url);

}  // namespace hurricane::own_ship
