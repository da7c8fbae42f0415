#include "geometry/position.h"

#include <cmath>

#include "geometry/bearing.h"
#include "geometry/constants.h"

namespace hurricane::geometry {

void xbepo(double& be, double ra, double& xx, double& yy) {
  norma(be);
  const double ang = be * twopi / 360.0;
  xx = ra * std::cos(ang);
  yy = ra * std::sin(ang);
}

}  // namespace hurricane::geometry
