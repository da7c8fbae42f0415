// Land for a sweep of courses and speeds: the ship's tracks on one course at every speed lie on
// one rhumb line, so each course is asked once, as far as the fastest speed reaches.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "land/land.h"

namespace hurricane::land {

struct LandSweep {
  double horizon_h = 0.0;
  std::vector<double> speeds_kn;
  // First landfall on each whole-degree course 0..359 within the fastest speed's reach.
  std::array<std::optional<Landfall>, 360> by_course;

  // Hour (0..horizon_h) at which a ship on `course` (whole degrees, 0..359) at speeds_kn[speed]
  // meets land, or none within the horizon (always none at speed 0).
  std::optional<double> hour(int course, std::size_t speed) const;
};

// Land on every whole-degree course from (`lat`, `lon`, degrees) at each of `speeds_kn` (knots,
// >= 0; others are taken as 0) over `horizon_h` hours (>= 0). For the forecast sweep: a course
// and speed whose hour is set meets land before the horizon and is not open.
LandSweep sweep_land(const Land& land, double lat, double lon, std::span<const double> speeds_kn,
                     double horizon_h);

}  // namespace hurricane::land
