#include "plane_geometry/tangent.h"

#include <cmath>

#include "plane_geometry/bearing.h"
#include "plane_geometry/constants.h"
#include "plane_geometry/position.h"

namespace hurricane::plane_geometry {

void tangt(double xxa, double yya, double xxb, double yyb, double& rb, double& xt1, double& yt1,
           double& xt2, double& yt2, double& bec, double& be1, double& be2) {
  rb = std::fabs(rb);
  const double xb = xxb - xxa;
  const double yb = yyb - yya;
  double dab = 0.0;  // dab: distance from A to B, biased so that it is never 0
  xpobe(xb, yb, bec, dab);
  const double ang = std::asin(rb / dab);   // half-angle between the tangents, radians
  const double dbec = ang * 360.0 / twopi;  // the same in degrees
  be1 = bec - dbec;
  be2 = bec + dbec;
  norma(be1);
  norma(be2);
  const double dist = std::sqrt(dab * dab - rb * rb);  // tangent length
  xbepo(be1, dist, xt1, yt1);
  xbepo(be2, dist, xt2, yt2);
  xt1 += xxa;
  xt2 += xxa;
  yt1 += yya;
  yt2 += yya;
}

}  // namespace hurricane::plane_geometry
