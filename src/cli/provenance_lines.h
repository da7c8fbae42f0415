// The block that shows what positions and fixes gave, printed before the classic lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/round_values.h"
#include "situation/situation.h"

namespace hurricane::cli {

// provenance_lines: a heading, then one line each for the ship and the storm's position and
// time, distance, bearing, track and speed (to 0.1), saying where each came from, and the
// fixes; each line begins with a blank, none reaches 80 characters. Ends with an empty line.
// Track and speed not from fixes are said to come from `motion_from`; a centre moved to --at was
// moved along `moved_along`.
std::vector<std::string> provenance_lines(const situation::Derived& derived,
                                          const analysis::Answers& answers,
                                          std::string_view motion_from = "given",
                                          std::string_view moved_along = "its track");

}  // namespace hurricane::cli
