#include "analysis/cone.h"

#include "plane_geometry/bearing.h"

namespace hurricane::analysis {

Cone prepare_cone(Point ph0, double be1, double bec, double be2, double dspeed) {
  Cone cone;
  cone.ph0 = ph0;
  cone.dspeed = dspeed;
  cone.edge1 = plane_geometry::turned_frame(be1);
  cone.edge2 = plane_geometry::turned_frame(be2);
  cone.centre = plane_geometry::turned_frame(bec);
  cone.inside = plane_geometry::sector(be1, be2);
  // The outward normals of the edges relative to bec, from the edges as the sector test of
  // cocheck leaves them reduced.
  double w0 = bec;
  double w1 = cone.inside.w1;
  double w2 = cone.inside.w2;
  double zbe1 = 0.0;
  double zbe2 = 0.0;
  plane_geometry::rotw1(w0, w1, w2, zbe1, zbe2);
  double zbe1n = zbe1 - 90.0;
  double zbe2n = zbe2 + 90.0;
  plane_geometry::norma(zbe1n);
  plane_geometry::norma(zbe2n);
  cone.behind = plane_geometry::sector(zbe2n, zbe1n);
  return cone;
}

}  // namespace hurricane::analysis
