// Whether a TCP server answers, found out within a bound: libgps connects with a blocking
// connect(), which a host that drops the packets holds for the system's connect timeout
// (minutes), and reports every failure alike.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace hurricane::own_ship {

// unreachable: why HOST:PORT cannot be connected to within `within` ("connection refused",
// "timed out after 2 s", a name that does not resolve), or nothing when it answered. The
// connection is closed again at once. Resolving a host name may take the resolver's own time.
std::optional<std::string> unreachable(const std::string& host, int port,
                                       std::chrono::milliseconds within);

}  // namespace hurricane::own_ship
