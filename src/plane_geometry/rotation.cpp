#include "plane_geometry/rotation.h"

#include <cmath>

#include "plane_geometry/bearing.h"
#include "plane_geometry/constants.h"

namespace hurricane::plane_geometry {

void rotw1(double& w0, double& w1, double& w2, double& zw1, double& zw2) {
  norma(w0);
  norma(w1);
  norma(w2);
  zw1 = w1 - w0;
  zw2 = w2 - w0;
  norma(zw1);
  norma(zw2);
}

void rotx1(double& w0, double x0, double y0, double xx, double yy, double& zxx, double& zyy) {
  const TurnedFrame frame = turned_frame(w0);
  w0 = frame.w0;
  rotx1(frame, x0, y0, xx, yy, zxx, zyy);
}

TurnedFrame turned_frame(double w0) {
  norma(w0);
  const double ang = w0 * rotx1_factor;
  return TurnedFrame{w0, std::cos(ang), std::sin(ang)};
}

}  // namespace hurricane::plane_geometry
