// Reading a route file: the one entry point for GPX and RTZ.
#pragma once

#include <string_view>

#include "route/route.h"

namespace hurricane::route {

// Reads `bytes` (the file `name`, for messages) as GPX 1.0/1.1 or RTZ 1.0/1.1, judged from the
// root element and its namespace. GPX: the first `rte`, or without one the points of the first
// `trk` in order; RTZ: the waypoints, with the times of the first schedule (its `calculated`
// elements, else its `manual` ones; eta, else etd). The route's name is the file's own, else
// `name`; an unnamed waypoint is "WP<n>" by its 1-based place. Refused, with the line at fault:
// bytes that are not XML, neither form, fewer than 2 or more than kMaxWaypoints points, a
// coordinate that is not a number or out of range, a time that is not ISO 8601 UTC. An error
// is Field::kRoute with the file as its value and the 1-based line at fault.
Result<Route> read_route(std::string_view bytes, std::string_view name);

}  // namespace hurricane::route
