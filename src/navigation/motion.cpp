#include "navigation/motion.h"

#include "navigation/geodesic.h"

namespace hurricane::navigation {

std::optional<Motion> motion_between(const Fix& earlier, const Fix& later) {
  const double hours = hours_between(earlier.time, later.time);
  if (!(hours > 0.0)) return std::nullopt;
  const Leg leg = inverse(earlier.centre, later.centre);
  return Motion{leg.azimuth_to, leg.distance_nm / hours};
}

}  // namespace hurricane::navigation
