// Conversion between bearing/range and plane coordinates (x north, y east).
#pragma once

#include <cmath>
#include <limits>

#include "plane_geometry/bearing.h"
#include "plane_geometry/constants.h"

namespace hurricane::plane_geometry {

// xbepo: bearing `be` (degrees, reduced in place into [0, 360)) and range `ra` (any unit, a
// negative range gives the opposite point) to the point xx = ra cos be (north), yy = ra sin be
// (east).
void xbepo(double& be, double ra, double& xx, double& yy);

// xpobe: point (xx north, yy east) to bearing `be` in [0, 360) and range `ra`, which carries a
// bias of single-precision 1e-19 under the root (never 0; the origin gives 180 and 3.1623e-10).
// A coordinate equal to 0 counts as south or west; a NaN coordinate gives a NaN bearing.
// Inline: every admissibility test takes two bearings.
inline void xpobe(double xx, double yy, double& be, double& ra) {
  ra = std::sqrt(xx * xx + yy * yy + tiny_single);
  const double ang0 = std::asin(std::fabs(yy) / ra);  // angle off the north-south axis, radians
  // Quadrant choice; each test that holds overrides the earlier ones, so a zero coordinate
  // counts with the negative side. With a NaN coordinate no test holds and NaN stays.
  double ang = std::numeric_limits<double>::quiet_NaN();
  if (xx >= 0.0 && yy >= 0.0) ang = ang0;
  if (xx >= 0.0 && yy <= 0.0) ang = twopi - ang0;
  if (xx <= 0.0 && yy >= 0.0) ang = pi - ang0;
  if (xx <= 0.0 && yy <= 0.0) ang = pi + ang0;
  be = ang * 360.0 / twopi;
  norma(be);
}

}  // namespace hurricane::plane_geometry
