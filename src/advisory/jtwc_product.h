// What product a JTWC text is and when it was issued: the checks made before its lines are
// read as a warning.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "advisory/result.h"
#include "advisory/text_lines.h"

namespace hurricane::advisory {

// read_warning_issue: the issue time of the product whose WMO line is lines[start], its day
// and time placed by the date in the remarks ("31JUL23."); refused with the line at fault
// when it is no warning (prognostic reasoning, formation alert, another area) or states no date.
Result<UtcTime> read_warning_issue(const std::vector<TextLine>& lines, std::size_t start);

// refuse_lone_part: an error at its END PART line for a later part of a warning sent in parts
// that holds no warning position of its own; nothing otherwise (joined after the first part
// it reads as one warning).
std::optional<Error> refuse_lone_part(const std::vector<TextLine>& lines, std::size_t start);

}  // namespace hurricane::advisory
