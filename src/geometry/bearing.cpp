#include "geometry/bearing.h"

#include <cmath>

namespace hurricane::geometry {

void norma(double& bearing) {
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

void normb(double& bearing) {
  norma(bearing);
  if (bearing > 180.0) bearing -= 360.0;
}

}  // namespace hurricane::geometry
