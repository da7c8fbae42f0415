#include "plane_geometry/sector.h"

#include "plane_geometry/bearing.h"

namespace hurricane::plane_geometry {

void wcheck(double& w1, double& w2, double& ww, int& iwx) {
  const Sector s = sector(w1, w2);
  w1 = s.w1;
  w2 = s.w2;
  wcheck(s, ww, iwx);
}

Sector sector(double w1, double w2) {
  Sector s;
  norma(w1);
  norma(w2);
  s.w1 = w1;
  s.w2 = w2;
  // Everything as clockwise angles from w1.
  s.w1x = w1 - w1;
  s.w2x = w2 - w1;
  norma(s.w1x);
  norma(s.w2x);
  s.w1y = s.w1x - 90.0;
  s.w2y = s.w2x + 90.0;
  norma(s.w1y);
  norma(s.w2y);
  return s;
}

}  // namespace hurricane::plane_geometry
