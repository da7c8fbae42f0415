// The danger cone prepared once per round for the many admissibility tests made against it.
//
// cocheck derives everything about the cone (the frames of its edges and centre, its sectors)
// anew for every point. Here those parts are made once; the steps that remain per point are
// cocheck's own, by the same operations in the same order, so every result has the same bits.
// The steps are separate so that a scan can take each through all its points in one stretch.
#pragma once

#include <cmath>

#include "analysis/cocheck.h"
#include "analysis/point.h"
#include "plane_geometry/position.h"
#include "plane_geometry/rotation.h"
#include "plane_geometry/sector.h"

namespace hurricane::analysis {

// Everything cocheck derives from the cone alone.
struct Cone {
  Point ph0;                           // apex
  double dspeed = 0.0;                 // margin U, kn
  plane_geometry::TurnedFrame edge1;   // frame of edge 1 (band outside edge 1)
  plane_geometry::TurnedFrame edge2;   // frame of edge 2 (band outside edge 2)
  plane_geometry::TurnedFrame centre;  // frame of the centre bearing (behind the apex)
  plane_geometry::Sector inside;       // from edge 1 clockwise to edge 2
  plane_geometry::Sector behind;       // from the outward normal of edge 2 to that of edge 1,
                                       // relative to the centre bearing
};

// The cone of cocheck(xx, yy, ph0, be1, bec, be2, dspeed, ibase), for any point.
Cone prepare_cone(Point ph0, double be1, double bec, double be2, double dspeed);

// Step 1: a point nearer to the apex than kApexSnap becomes the apex. The root is taken only
// for squares below 4e-12: the correctly rounded root never decreases and the root of 4e-12
// is 2e-6, so every larger square (and NaN, which fails both tests) keeps its point as well.
inline void snap_to_apex(const Cone& cone, double& xx, double& yy) {
  const Point ph0 = cone.ph0;
  const double square = (xx - ph0.x) * (xx - ph0.x) + (yy - ph0.y) * (yy - ph0.y);
  if (square < 4e-12 && std::sqrt(square) < kApexSnap) {
    xx = ph0.x;
    yy = ph0.y;
  }
}

// Step 2: kBandEdge1 and kBandEdge2 as they apply to the (snapped) point.
inline int band_flags(const Cone& cone, double xx, double yy) {
  const Point ph0 = cone.ph0;
  int ibase = 0;
  double zxx = 0.0;
  double zyy = 0.0;
  plane_geometry::rotx1(cone.edge1, ph0.x, ph0.y, xx, yy, zxx, zyy);
  double yc = -cone.dspeed;
  if (zyy >= yc && zyy <= 0.0 && zxx >= 0.0) ibase = kBandEdge1;
  plane_geometry::rotx1(cone.edge2, ph0.x, ph0.y, xx, yy, zxx, zyy);
  yc = cone.dspeed;
  if (zyy <= yc && zyy >= 0.0 && zxx >= 0.0) ibase += kBandEdge2;
  return ibase;
}

// Step 3: the bearing of the point from the apex.
inline double apex_bearing(const Cone& cone, double xx, double yy) {
  double bexy = 0.0;
  double rah = 0.0;  // range (not used)
  plane_geometry::xpobe(xx - cone.ph0.x, yy - cone.ph0.y, bexy, rah);
  return bexy;
}

// Step 4a: the offset of the point from the apex in the frame of the centre bearing.
inline Point centre_offset(const Cone& cone, double xx, double yy) {
  const Point ph0 = cone.ph0;
  double zxx = 0.0;
  double zyy = 0.0;
  plane_geometry::rotx1(cone.centre, ph0.x, ph0.y, xx, yy, zxx, zyy);
  return Point{zxx - ph0.x, zyy - ph0.y};
}

// Step 5: the code from the band flags and the bearings: bexy (step 3) against the cone, and
// zbexy with range zra (xpobe of the centre offset) against the sector behind the apex.
inline int sector_code(const Cone& cone, int bands, double bexy, double zbexy, double zra) {
  int ibase = bands;
  int iwx = 0;
  plane_geometry::wcheck(cone.inside, bexy, iwx);
  if (iwx == 0) ibase += kInsideCone;
  plane_geometry::wcheck(cone.behind, zbexy, iwx);
  if (iwx == 0 && zra <= cone.dspeed) ibase += kBehindApex;
  return ibase;
}

// cocheck against a prepared cone: bit for bit the ibase of cocheck with the cone's arguments.
inline int cocheck(const Cone& cone, double xx, double yy) {
  snap_to_apex(cone, xx, yy);
  const int bands = band_flags(cone, xx, yy);
  const double bexy = apex_bearing(cone, xx, yy);
  const Point zh = centre_offset(cone, xx, yy);
  double zbexy = 0.0;
  double zra = 0.0;
  plane_geometry::xpobe(zh.x, zh.y, zbexy, zra);
  return sector_code(cone, bands, bexy, zbexy, zra);
}

}  // namespace hurricane::analysis
