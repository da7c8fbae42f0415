// The WGS84 ellipsoid in nautical miles, and the unit conversions the sweep uses.
#pragma once

#include <numbers>

namespace hurricane::forecast {

inline constexpr double kMetresPerNm = 1852.0;
inline constexpr double kDegree = std::numbers::pi / 180.0;
inline constexpr double kEquatorialRadiusNm = 6378137.0 / kMetresPerNm;
inline constexpr double kFlattening = 1.0 / 298.257223563;
inline constexpr double kEccentricity2 = kFlattening * (2.0 - kFlattening);

}  // namespace hurricane::forecast
