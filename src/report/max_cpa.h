// Advice [B]: the course that makes the closest point of approach largest.
#pragma once

#include "analysis/round_analysis.h"
#include "console/output.h"

namespace hurricane::report {

// Prints advice [B]: the largest closest point of approach (CPA) of the
// hurricane's centre with its time to go and course, or the course straight
// away when the ship is faster or the CPA is already the present distance, then
// the hint for slow ships. Returns alfa, the angle in degrees from the
// hurricane's track to the line from its centre to the ship, (-180, 180],
// positive when the ship lies to the right of the track.
double write_max_cpa(const analysis::RoundValues& values, const analysis::RoundAnalysis& analysis,
                     console::Output& out);

}  // namespace hurricane::report
