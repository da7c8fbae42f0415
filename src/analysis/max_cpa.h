// Advice [B]: the course that makes the closest point of approach largest; the verdict.
#pragma once

#include "analysis/advice.h"

namespace hurricane::analysis {

// track_angle: the angle from the storm's track `track` (degrees, [0, 360)) to the line from
// its centre to the ship whose bearing of the storm is `bearing` (degrees, any size), in
// degrees (-180, 180], positive when the ship lies to the right of the track.
double track_angle(double bearing, double track);

// max_cpa: advice [B] for the round's values, in plain relative motion at the stated speeds
// (no uncertainty). `alfa` is track_angle of the round; `storm` the storm's centre from the
// ship (nm) and `velocity` its velocity (kn), from which the CPA point is drawn.
MaxCpa max_cpa(const RoundValues& values, double alfa, Offset storm, Offset velocity);

// verdict: the area class and the quarter for the ship at `alfa` (degrees, as track_angle),
// with the dangerous side and the wind rule of `hemisphere`: right of the track and wind
// from starboard in the north, mirrored in the south.
Verdict verdict(Area area, double alfa, Hemisphere hemisphere);

}  // namespace hurricane::analysis
