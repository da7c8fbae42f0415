// What an advisory gave, as text: the block before an `advise --advisory` report, and the
// summary the `advisory` command prints.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "answer/answer.h"
#include "answer/situation_from_advisory.h"

namespace hurricane::cli {

// advisory_provenance_lines: a heading naming `file`, then the storm, the advisory's number
// and issue time, the centre and its accuracy, the movement, the age of the fix at --at (of
// `situation`) and how the distance to keep was formed; each line begins with a blank and
// stays within 79 characters (a very long file name aside). Ends with an empty line.
std::vector<std::string> advisory_provenance_lines(const answer::AdvisoryProvenance& advised,
                                                   const situation::Situation& situation,
                                                   std::string_view file);

// advisory_summary_lines: every field read from `file`, with the wind and seas radii and the
// forecast and outlook points in small tables; `keep_source` says what distance to keep the
// radii suggest.
std::vector<std::string> advisory_summary_lines(const answer::AdvisedStorm& advised,
                                                std::string_view file,
                                                std::string_view keep_source);

}  // namespace hurricane::cli
