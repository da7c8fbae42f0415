#include "own_ship/signalk_endpoint.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace hurricane::own_ship {
namespace {

constexpr std::string_view kStreamPath = "/signalk/v1/stream";
constexpr std::string_view kForms =
    "a Signal K server as ws://HOST:PORT/signalk/v1/stream or http://HOST:PORT";

Error unusable(std::string_view url, std::string_view why) {
  return Error{ErrorKind::kUnusable, Field::kSignalK, std::string(url),
               std::string(why) + "; expected " + std::string(kForms)};
}

bool all_digits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
}

bool plain_host(std::string_view host) {
  return !host.empty() && std::all_of(host.begin(), host.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '.' || c == '_';
  });
}

}  // namespace

Result<SignalKEndpoint> signalk_endpoint(std::string_view url) {
  std::string_view rest = url;
  bool stream = false;
  if (rest.starts_with("ws://")) {
    stream = true;
    rest.remove_prefix(5);
  } else if (rest.starts_with("http://")) {
    rest.remove_prefix(7);
  } else if (rest.starts_with("wss://") || rest.starts_with("https://")) {
    return unusable(url, "TLS (wss://, https://) is not supported");
  } else {
    return unusable(url, "not a ws:// or http:// URL");
  }
  const std::size_t slash = rest.find('/');
  const std::string_view authority = rest.substr(0, slash);
  const std::string_view path = slash == std::string_view::npos ? "" : rest.substr(slash);
  if (stream ? path != kStreamPath : !(path.empty() || path == "/")) {
    return unusable(url, stream ? "a ws:// URL must name the stream, /signalk/v1/stream"
                                : "an http:// URL must name the server alone, without a path");
  }

  SignalKEndpoint endpoint{std::string(url), "", "80",
                           std::string(kStreamPath) + "?subscribe=none"};
  std::string_view host = authority;
  std::optional<std::string_view> port;
  if (authority.starts_with("[")) {  // [IPv6]:port
    const std::size_t close = authority.find(']');
    if (close == std::string_view::npos) return unusable(url, "the IPv6 address lacks its ']'");
    host = authority.substr(1, close - 1);
    const std::string_view after = authority.substr(close + 1);
    if (!after.empty() && !after.starts_with(":")) return unusable(url, "not HOST:PORT");
    if (!after.empty()) port = after.substr(1);
    if (host.empty() ||
        host.find_first_not_of("0123456789abcdefABCDEF:.") != std::string_view::npos) {
      return unusable(url, "not an IPv6 address in brackets");
    }
  } else {
    const std::size_t colon = authority.find(':');
    if (colon != std::string_view::npos) {
      host = authority.substr(0, colon);
      port = authority.substr(colon + 1);
    }
    if (!plain_host(host)) return unusable(url, "no host name or address");
  }
  if (port) {
    if (!all_digits(*port) || port->size() > 5 || std::stoi(std::string(*port)) == 0 ||
        std::stoi(std::string(*port)) > 65535) {
      return unusable(url, "the port is not a number from 1 to 65535");
    }
    endpoint.port = std::string(*port);
  }
  endpoint.host = std::string(host);
  return endpoint;
}

}  // namespace hurricane::own_ship
