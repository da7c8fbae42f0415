// Advice [B]: the course that makes the closest point of approach largest.
#pragma once

#include "analysis/advice.h"

namespace hurricane::analysis {

// max_cpa: advice [B] for the round's values and the hurricane's track beh0h1 (degrees,
// [0, 360)), in plain relative motion at the stated speeds (no uncertainty). Sets `alfa`, the
// angle in degrees from the track to the line from the hurricane's centre to the ship,
// (-180, 180], positive when the ship lies to the right of the track.
MaxCpa max_cpa(const RoundValues& values, double beh0h1, double& alfa);

// dangerous_quarter: whether the ship lies ahead of the hurricane (|alfa| < 90) on its
// dangerous side: right of the track in the northern hemisphere, left in the southern.
bool dangerous_quarter(double alfa, Hemisphere hemisphere);

}  // namespace hurricane::analysis
