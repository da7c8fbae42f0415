// Geodesics on the WGS84 ellipsoid, in the units a navigator uses.
#pragma once

#include "navigation/position.h"
#include "navigation/units.h"

namespace hurricane::navigation {

// The shortest path from one position to another.
struct Leg {
  double distance_nm = 0.0;   // length of the geodesic, nm
  double azimuth_from = 0.0;  // its direction where it starts, degrees true, [0, 360)
  double azimuth_to = 0.0;    // its direction where it ends (onward), degrees true, [0, 360)
};

// inverse: the geodesic from `from` to `to` (the inverse problem). Across the 180th meridian
// it takes the short way.
Leg inverse(LatLon from, LatLon to);

// The end of a geodesic and the direction it arrives in.
struct Destination {
  LatLon position;
  double azimuth = 0.0;  // onward direction at `position`, degrees true, [0, 360)
};

// direct: where the geodesic leaving `from` in direction `azimuth` (degrees true) ends after
// `distance_nm` (the direct problem); a negative distance goes backward along it. The
// longitude comes back in [-180, 180].
Destination direct(LatLon from, double azimuth, double distance_nm);

// to_bearing: an azimuth in degrees (any finite value) as a bearing in [0, 360).
double to_bearing(double azimuth);

}  // namespace hurricane::navigation
