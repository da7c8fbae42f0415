// Advice [A]: the courses that keep the distance under the velocity uncertainty.
#pragma once

#include "analysis/round_analysis.h"
#include "console/output.h"

namespace hurricane::report {

// Area class of the ship, printed by the verdict.
enum class Area {
  kInternal = 0,  // already closer to the centre than the distance to keep
  kExternal = 1,  // no course at full speed keeps the distance
  kDistant = 2,   // some course, or every course, keeps the distance
};

// Prints advice [A] for the round: the moving-away notice, the admissible
// ranges, the recommended escapes with their minimal speeds and the note on
// staying in place. Returns the area class (irang) that the verdict prints.
Area write_escape_sectors(const analysis::RoundValues& values,
                          const analysis::RoundAnalysis& analysis, console::Output& out);

}  // namespace hurricane::report
