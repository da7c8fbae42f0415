// Reduction of bearings (degrees, clockwise from true north) into a standard interval.
#pragma once

#include <cmath>

namespace hurricane::plane_geometry {

// norma: reduces `bearing` (degrees) in place into [0, 360); NaN and the infinities come back
// unchanged, and so does a negative zero. Inline: every admissibility test reduces a handful
// of bearings, and a call would cost more than the reduction.
inline void norma(double& bearing) {
  // Most bearings come reduced already, or less than one turn below 0 (the difference of two
  // reduced ones); for these the steps below come down to the following.
  if (bearing >= 0.0 && bearing < 360.0) return;
  if (bearing < 0.0 && bearing >= -360.0) {
    bearing += 360.0;
    if (bearing >= 360.0) bearing -= 360.0;  // a tiny negative bearing rounds up to 360: 0
    return;
  }
  if (!std::isfinite(bearing)) return;
  // The stepwise loop below takes |bearing| / 360 passes. For huge magnitudes, first take the
  // exact remainder: each step of 360 is itself exact as long as the spacing of doubles at the
  // bearing is at most 8 (|bearing| < 2^56), so for such values this gives bit for bit what
  // the loop would give; beyond that the loop would stall, and the exact remainder stands.
  if (std::fabs(bearing) >= 1e12) bearing = std::fmod(bearing, 360.0);
  bool ind = true;  // ind: whether the last pass changed the bearing
  while (ind) {
    ind = false;
    if (bearing < 0.0) {
      bearing += 360.0;
      ind = true;
    }
    if (bearing >= 360.0) {
      bearing -= 360.0;
      ind = true;
    }
  }
}

// normb: reduces `bearing` (degrees) in place into (-180, +180]: +180 stays, -180 becomes +180.
void normb(double& bearing);

}  // namespace hurricane::plane_geometry
