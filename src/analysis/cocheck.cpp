#include "analysis/cocheck.h"

#include <cmath>

#include "geometry/bearing.h"
#include "geometry/position.h"
#include "geometry/rotation.h"
#include "geometry/sector.h"

namespace hurricane::analysis {

using geometry::norma;
using geometry::rotw1;
using geometry::rotx1;
using geometry::wcheck;
using geometry::xpobe;

void cocheck(double xx, double yy, Point ph0, double& be1, double bec, double& be2, double dspeed,
             int& ibase) {
  // A vector this short has no usable direction: the range bias of xpobe would decide its
  // bearing. Judge it as the apex, which lies on both edges and is never admissible.
  if (std::sqrt((xx - ph0.x) * (xx - ph0.x) + (yy - ph0.y) * (yy - ph0.y)) < kApexSnap) {
    xx = ph0.x;
    yy = ph0.y;
  }
  ibase = 0;
  double w0 = 0.0;   // scratch copy of a reference bearing, reduced by the callee
  double zxx = 0.0;  // the point in a turned frame: component ahead
  double zyy = 0.0;  // ... and component to the right

  // Band outside edge 1.
  w0 = be1;
  rotx1(w0, ph0.x, ph0.y, xx, yy, zxx, zyy);
  double yc = -dspeed;  // yc: outer bound of the band
  if (zyy >= yc && zyy <= 0.0 && zxx >= 0.0) ibase = kBandEdge1;

  // Band outside edge 2.
  w0 = be2;
  rotx1(w0, ph0.x, ph0.y, xx, yy, zxx, zyy);
  yc = dspeed;
  if (zyy <= yc && zyy >= 0.0 && zxx >= 0.0) ibase += kBandEdge2;

  // Inside the cone.
  const double xh = xx - ph0.x;
  const double yh = yy - ph0.y;
  double bexy = 0.0;  // bearing of the point from the apex
  double rah = 0.0;   // its range (not used)
  xpobe(xh, yh, bexy, rah);
  int iwx = 0;  // zone code of the sector test
  wcheck(be1, be2, bexy, iwx);
  if (iwx == 0) ibase += kInsideCone;

  // Behind the apex: between the outward normals of the edges, within the margin.
  w0 = bec;
  double w1 = be1;
  double w2 = be2;
  double zbe1 = 0.0;  // edge 1 relative to bec: 360 - half-angle
  double zbe2 = 0.0;  // edge 2 relative to bec: half-angle
  rotw1(w0, w1, w2, zbe1, zbe2);
  w0 = bec;
  rotx1(w0, ph0.x, ph0.y, xx, yy, zxx, zyy);
  double zbe1n = zbe1 - 90.0;  // outward normal of edge 1, relative to bec
  double zbe2n = zbe2 + 90.0;  // outward normal of edge 2, relative to bec
  norma(zbe1n);
  norma(zbe2n);
  const double zxh = zxx - ph0.x;
  const double zyh = zyy - ph0.y;
  double zbexy = 0.0;  // bearing of the point relative to bec
  double zra = 0.0;    // range of the point from the apex
  xpobe(zxh, zyh, zbexy, zra);
  wcheck(zbe2n, zbe1n, zbexy, iwx);
  if (iwx == 0 && zra <= dspeed) ibase += kBehindApex;
}

}  // namespace hurricane::analysis
