// Reading ATCF track records (a-deck or b-deck): comma-separated, one record per time,
// technique, forecast hour and wind threshold.
#pragma once

#include <string_view>
#include <vector>

#include "advisory/result.h"
#include "advisory/text_lines.h"

namespace hurricane::advisory {

// Whether the line starts as an ATCF record does: "AL, 13, 2023091218,".
bool looks_like_atcf(std::string_view line);

// The storm `storm_id` names (or the only one). With official forecast records (OFCL, forecast
// hours beyond 0: an a-deck), at the latest time they were issued for: the analysis from OFCL
// at hour 0, else CARQ, else the best track (BEST) at that time, and every OFCL hour beyond 0 as
// a forecast point (the rows of its 34/50/64-kt radii merged; past 72 h an outlook point).
// Otherwise at its latest time of BEST, else of CARQ, else of OFCL, each at hour 0, without a
// forecast. The analysis gives centre, wind, pressure and radii, the motion from the direction
// and speed columns when both are given and the speed is not 0, and the fix of the time before.
// Every record must read; blank lines are skipped.
Result<Storm> read_atcf(const std::vector<TextLine>& lines, std::string_view storm_id);

}  // namespace hurricane::advisory
