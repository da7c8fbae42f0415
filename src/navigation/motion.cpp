#include "navigation/motion.h"

#include <GeographicLib/Geodesic.hpp>
#include <cmath>

namespace hurricane::navigation {

std::optional<Motion> motion_between(const Fix& earlier, const Fix& later) {
  const double hours = hours_between(earlier.time, later.time);
  if (!(hours > 0.0)) return std::nullopt;
  double metres = 0.0, azimuth_from = 0.0, azimuth_to = 0.0;
  GeographicLib::Geodesic::WGS84().Inverse(earlier.centre.lat, earlier.centre.lon, later.centre.lat,
                                           later.centre.lon, metres, azimuth_from, azimuth_to);
  // The azimuth comes in [-180, 180]; -1e-17 + 360 rounds to 360, which is north.
  double track = azimuth_to < 0.0 ? azimuth_to + 360.0 : azimuth_to;
  if (track >= 360.0) track = 0.0;
  return Motion{track, metres / 1852.0 / hours};
}

}  // namespace hurricane::navigation
