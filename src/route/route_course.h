// Where a ship on a route heads next.
#pragma once

#include <cstddef>
#include <optional>

#include "route/route.h"

namespace hurricane::route {

// The waypoint the ship at `ship` heads for: the one after the waypoint nearest the ship, or
// the last when that is the nearest. Nothing when the ship is within kArrivedNm of the last,
// the route done.
std::optional<std::size_t> next_waypoint(const Route& route, navigation::LatLon ship);

// Closer than this to the last waypoint, the ship has arrived: no course leads on.
inline constexpr double kArrivedNm = 0.5;

struct CourseToward {
  std::size_t waypoint = 0;  // index in the route
  double course_deg = 0.0;   // initial great-circle course from the ship, degrees true [0, 360)
  double distance_nm = 0.0;
};

// The course from `ship` toward next_waypoint; nothing when there is none.
std::optional<CourseToward> course_toward(const Route& route, navigation::LatLon ship);

}  // namespace hurricane::route
