// Advice [A]: which escapes to recommend, and the area class of the ship.
#pragma once

#include "analysis/advice.h"
#include "analysis/round_analysis.h"

namespace hurricane::analysis {

// course_advice: advice [A] from the round's analysis. An escape whose course the round's own
// course field rates inadmissible is never recommended: with one range the other escape
// stands in for it.
CourseAdvice course_advice(const RoundAnalysis& r);

// area_of: the area class of the ship: internal within the distance to keep, external when no
// course keeps it, distant otherwise.
Area area_of(const RoundValues& values, const CourseAdvice& courses);

}  // namespace hurricane::analysis
