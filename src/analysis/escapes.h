// Advice [A]: which escapes to recommend, and the area class of the ship.
#pragma once

#include "analysis/advice.h"
#include "analysis/round_analysis.h"

namespace hurricane::analysis {

// escape_advice: fills moving_away, all_courses, escapes, stay_possible and area of `advice`
// from the round's values and analysis. An escape whose course the round's own course field
// rates inadmissible is never recommended: with one range the other escape stands in for it.
void escape_advice(const RoundValues& values, const RoundAnalysis& r, Advice& advice);

}  // namespace hurricane::analysis
