#include "land/sweep.h"

#include <algorithm>
#include <cmath>

namespace hurricane::land {
namespace {

double usable(double value) {
  return std::isfinite(value) && value > 0.0 ? value : 0.0;
}

}  // namespace

std::optional<double> LandSweep::hour(int course, std::size_t speed) const {
  if (course < 0 || course >= 360 || speed >= speeds_kn.size()) return std::nullopt;
  const auto& landfall = by_course[static_cast<std::size_t>(course)];
  const double speed_kn = speeds_kn[speed];
  if (!landfall || !(speed_kn > 0.0)) return std::nullopt;
  const double hour = landfall->distance_nm / speed_kn;
  if (!(hour <= horizon_h)) return std::nullopt;
  return hour;
}

LandSweep sweep_land(const Land& land, double lat, double lon, std::span<const double> speeds_kn,
                     double horizon_h) {
  LandSweep sweep;
  sweep.horizon_h = usable(horizon_h);
  sweep.speeds_kn.reserve(speeds_kn.size());
  for (const double speed : speeds_kn) sweep.speeds_kn.push_back(usable(speed));
  const double fastest = sweep.speeds_kn.empty()
                             ? 0.0
                             : *std::max_element(sweep.speeds_kn.begin(), sweep.speeds_kn.end());
  const double reach_nm = fastest * sweep.horizon_h;
  for (std::size_t course = 0; course < sweep.by_course.size(); ++course) {
    sweep.by_course[course] = land.first_landfall(lat, lon, static_cast<double>(course), reach_nm);
  }
  return sweep;
}

}  // namespace hurricane::land
