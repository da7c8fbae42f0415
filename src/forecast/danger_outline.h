// The outline of a storm's danger area at one time, for drawing it: the 34-kt quarter-discs
// grown by the allowance, the same area whose signed distance the sweep measures clearance from.
#pragma once

#include <vector>

#include "forecast/storm_samples.h"
#include "forecast/track.h"

namespace hurricane::forecast {

// The edge of the danger area of `sample` as `steps` (>= 4) points at equal steps of azimuth
// clockwise from north, each on the geodesic from the centre; every point lies where the signed
// distance to the 34-kt quarter-discs equals the allowance (within 0.01 nm). An area of no
// extent (no radii, no allowance) gives every point at the centre.
std::vector<LatLon> danger_outline(const StormSample& sample, int steps);

// The edge of the wind area of `radii` (nm per quadrant NE, SE, SW, NW, >= 0) around `centre`:
// each quadrant's arc at its radius, `per_quadrant` (>= 1) steps of azimuth apiece, so the
// radial steps between quadrants of different radii are kept.
std::vector<LatLon> wind_area_outline(LatLon centre, const QuadrantNm& radii, int per_quadrant);

}  // namespace hurricane::forecast
