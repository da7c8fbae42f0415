// A route as a navigator plans it: named waypoints in order, each with a time when planned.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "error/error.h"
#include "navigation/position.h"
#include "navigation/utc_time.h"

namespace hurricane::route {

struct Waypoint {
  std::string name;
  navigation::LatLon position;
  std::optional<navigation::UtcTime> time;  // planned arrival (departure at the first)

  friend bool operator==(const Waypoint&, const Waypoint&) = default;
};

struct Route {
  std::string name;
  std::vector<Waypoint> waypoints;  // at least two when read
};

// More points than any plotter's route holds: a file beyond it is refused rather than read
// without bound.
inline constexpr std::size_t kMaxWaypoints = 10'000;

}  // namespace hurricane::route
