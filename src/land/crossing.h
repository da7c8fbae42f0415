// Where a straight track meets a straight shoreline edge in the Mercator plane. The index and
// the brute force both decide with these, so they agree to the last bit.
#pragma once

#include <optional>

#include "land/mercator.h"

namespace hurricane::land {

// Smallest fraction t in [0, 1] of the track from `from` to `to` at which it touches the edge
// from `a` to `b` (ends included; an edge along the track counts from where they first share a
// point), or none. A track of no length never touches.
std::optional<double> first_touch(MercatorPoint from, MercatorPoint to, MercatorPoint a,
                                  MercatorPoint b);

// Whether the edge from `a` to `b` crosses the ray going north (growing y) from `p`: it spans
// p.x half-open (one end east of p.x, the other not) and passes north of p. Counting these
// over closed shorelines gives their number around p, so its parity says land.
bool crosses_north_ray(MercatorPoint p, MercatorPoint a, MercatorPoint b);

}  // namespace hurricane::land
