// The check of a warning's "VECTOR TO nn HR POSIT" against the two positions it joins.
#pragma once

#include <optional>
#include <string>

#include "advisory/storm.h"

namespace hurricane::advisory {

// rhumb_motion: the true course and speed of the rhumb line from `from` to `to` sailed in
// `hours` (> 0), on the sphere with 60 nm to a degree of latitude, the shorter way across the 180th
// meridian.
navigation::Motion rhumb_motion(const LatLon& from, const LatLon& to, double hours);

// vector_disagreement: nothing when the stated track (whole degrees, [0, 360)) and speed (whole
// knots) are `actual` rounded as the warnings round them, to 5 degrees and whole knots; else
// what disagrees. The track is not judged when the stated speed is 0.
std::optional<std::string> vector_disagreement(int track_deg, int speed_kn,
                                               const navigation::Motion& actual);

}  // namespace hurricane::advisory
