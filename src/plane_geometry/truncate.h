// Real to integer conversion defined for every double.
#pragma once

#include <cmath>
#include <limits>

namespace hurricane::plane_geometry {

// `value` truncated toward zero, as a 32-bit integer. A NaN gives 0; a value
// beyond the integer range gives the nearest end of the range.
inline int truncate_to_int(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLow = std::numeric_limits<int>::min();
  constexpr double kHigh = std::numeric_limits<int>::max();
  if (value <= kLow) return std::numeric_limits<int>::min();
  if (value >= kHigh) return std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

}  // namespace hurricane::plane_geometry
