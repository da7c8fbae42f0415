// The units every area converts with: one nautical mile, one degree. (The classic plane
// arithmetic keeps its own factors, which its results depend on to the last bit.)
#pragma once

#include <numbers>

namespace hurricane {

// Metres in one international nautical mile.
inline constexpr double kMetresPerNm = 1852.0;
// Radians in one degree.
inline constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
// Nautical miles in one degree of latitude, near enough for drawing and margins.
inline constexpr double kNmPerDegree = 60.0;

}  // namespace hurricane
