// Reading a JTWC tropical cyclone warning (WTPN, WTIO, WTXS, WTPS from PGTW) out of numbered
// text lines.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "advisory/result.h"
#include "advisory/text_lines.h"

namespace hurricane::advisory {

// The index of the line that opens a JTWC product: a WMO line from station PGTW, or the
// MSGID line of the Joint Typhoon Warning Center when the WMO line is missing; nothing when
// the lines hold neither.
std::optional<std::size_t> find_jtwc(const std::vector<TextLine>& lines);

// Reads the warning that opens at lines[start], up to NNNN or the end. Its day-only times take
// their month and year from the date in the remarks ("31JUL23."). It needs the WMO line, the
// subject, the warning position, the past movement and the maximum wind; every line it knows
// must read in full. Formation alerts, prognostic reasoning, a continuation part without a
// position and the old form with check digits are refused with the line at fault.
Result<Storm> read_jtwc(const std::vector<TextLine>& lines, std::size_t start);

}  // namespace hurricane::advisory
