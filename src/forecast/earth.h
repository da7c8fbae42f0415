// The WGS84 ellipsoid in nautical miles, in nautical miles.
#pragma once

#include "navigation/units.h"

namespace hurricane::forecast {

inline constexpr double kEquatorialRadiusNm = 6378137.0 / kMetresPerNm;
inline constexpr double kFlattening = 1.0 / 298.257223563;
inline constexpr double kEccentricity2 = kFlattening * (2.0 - kFlattening);

}  // namespace hurricane::forecast
