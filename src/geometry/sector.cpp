#include "geometry/sector.h"

#include "geometry/bearing.h"

namespace hurricane::geometry {

void wcheck(double& w1, double& w2, double& ww, int& iwx) {
  iwx = 0;
  norma(w1);
  norma(w2);
  norma(ww);
  // Everything as clockwise angles from w1.
  double w1x = w1 - w1;  // sector start: 0
  double w2x = w2 - w1;  // sector end: the sector's width
  double wwx = ww - w1;  // the bearing tested
  norma(w1x);
  norma(w2x);
  norma(wwx);
  double w1y = w1x - 90.0;  // 90 degrees before the start: 270
  double w2y = w2x + 90.0;  // 90 degrees beyond the end
  norma(w1y);
  norma(w2y);
  // Ordered tests; on a shared boundary the later one wins.
  if (w1x <= wwx && wwx <= w2x) iwx = 0;
  if (w2x <= wwx && wwx <= w2y) iwx = 1;
  if (w2y <= wwx && wwx <= w1y) iwx = 2;
  if (wwx <= 360.0 && w1y <= wwx) iwx = -1;
}

Sector sector(double w1, double w2) {
  Sector s;
  norma(w1);
  norma(w2);
  s.w1 = w1;
  s.w2 = w2;
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

}  // namespace hurricane::geometry
