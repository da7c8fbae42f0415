// Sea room: how near the shoreline comes to a short stretch of a ship's track.
#pragma once

#include <optional>

#include "land/land.h"

namespace hurricane::land {

// Where the shoreline comes nearest a stretch of track.
struct ShoreNear {
  double distance_nm = 0.0;  // 0 when the stretch touches or crosses the shoreline
  double fraction = 0.0;     // where along the stretch, 0 at its start, 1 at its end
};

// The least distance from the rhumb line between (`lat0`, `lon0`) and (`lat1`, `lon1`) (degrees,
// a few tens of nm apart at most; the shorter way round in longitude) to the shoreline, when
// less than `cap_nm`; none when no shoreline lies that near. Measured in the Mercator plane,
// where both are straight, at its local scale: within 0.1 nm for stretches and caps up to some
// 30 nm below 60 degrees of latitude.
std::optional<ShoreNear> shore_within(const Land& land, double lat0, double lon0, double lat1,
                                      double lon1, double cap_nm);

// A point of a track in the Mercator plane with the plane's scale there (nm per degree), for
// callers that walk a rhumb line straight in that plane and so know both already.
struct ScaledPoint {
  MercatorPoint at;  // x in -180..180 at a stretch's start; its end continues from there
  double scale_nm = 0.0;
};

// As above, for the stretch from `from` to `to`.
std::optional<ShoreNear> shore_within(const Land& land, ScaledPoint from, ScaledPoint to,
                                      double cap_nm);

// Nautical miles per degree of the Mercator plane (either axis: it is conformal) at latitude
// `lat` (degrees).
double mercator_scale_nm(double lat);

}  // namespace hurricane::land
