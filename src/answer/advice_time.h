// The advice time held against the advisory's analysis time: too early to place the storm, stale,
// or too old to advise on.
#pragma once

#include <optional>
#include <string>

#include "error/error.h"
#include "situation/utc_time.h"

namespace hurricane::answer {

// The advisory places the storm no earlier than this many hours before its analysis (back along
// the present motion, as the forecast track does).
inline constexpr double kEarliestBeforeAnalysisH = 6.0;
// An analysis older than this at the advice time is stale: said first, advice still given.
inline constexpr double kStaleAfterH = 12.0;
// An analysis older than this at the advice time is refused: the storm has moved on unseen.
inline constexpr double kRefusedAfterH = 48.0;

// advice_time_error: `at` (the text given, `advice` as read) before the analysis less
// kEarliestBeforeAnalysisH is an unusable {at} naming the analysis time; an analysis older than
// kRefusedAfterH at `advice` is an unusable {advisory} naming its age.
std::optional<Error> advice_time_error(situation::UtcTime analysis, situation::UtcTime advice,
                                       const std::string& at_text);

// stale_warning: for an analysis older than kStaleAfterH at `advice`, the warning that says so
// ("STALE: ..."); nothing otherwise.
std::optional<std::string> stale_warning(situation::UtcTime analysis, situation::UtcTime advice);

}  // namespace hurricane::answer
