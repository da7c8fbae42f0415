// Signed distance from a point to a storm's wind area: the union of four quarter-discs around
// the centre (NE 0-90, SE 90-180, SW 180-270, NW 270-360 degrees of azimuth), in the
// azimuthal-equidistant plane of the centre.
#pragma once

#include "forecast/track.h"

namespace hurricane::forecast {

// A point of the plane: east and north of the centre, nm.
struct PlanePoint {
  double east_nm = 0.0;
  double north_nm = 0.0;
};

// The point at geodesic distance `distance_nm` (>= 0) and azimuth `azimuth_deg` (degrees true,
// any value) from the centre.
PlanePoint plane_point(double distance_nm, double azimuth_deg);

// Distance in nm from `point` to the union of quarter-discs with radii `radii` (nm, >= 0):
// positive outside, 0 on the edge, negative inside (minus the distance to the area's edge: the
// own quadrant's arc or the radial step where neighbouring quadrants' radii differ, at any of
// the four quadrant edges, so that the depth does not jump where the point changes quadrant).
double signed_distance_nm(PlanePoint point, const QuadrantNm& radii);

}  // namespace hurricane::forecast
