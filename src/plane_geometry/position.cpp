#include "plane_geometry/position.h"

#include <cmath>

#include "plane_geometry/bearing.h"
#include "plane_geometry/constants.h"

namespace hurricane::plane_geometry {

void xbepo(double& be, double ra, double& xx, double& yy) {
  norma(be);
  const double ang = be * twopi / 360.0;
  xx = ra * std::cos(ang);
  yy = ra * std::sin(ang);
}

}  // namespace hurricane::plane_geometry
