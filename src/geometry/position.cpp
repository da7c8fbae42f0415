#include "geometry/position.h"

#include <cmath>
#include <limits>

#include "geometry/bearing.h"
#include "geometry/constants.h"

namespace hurricane::geometry {

void xbepo(double& be, double ra, double& xx, double& yy) {
  norma(be);
  const double ang = be * twopi / 360.0;
  xx = ra * std::cos(ang);
  yy = ra * std::sin(ang);
}

void xpobe(double xx, double yy, double& be, double& ra) {
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

}  // namespace hurricane::geometry
