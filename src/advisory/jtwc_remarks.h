// The REMARKS of a JTWC warning: free text wrapped anywhere, from which a few stated facts are
// read by their phrases.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "advisory/storm.h"
#include "advisory/text_lines.h"
#include "error/error.h"

namespace hurricane::advisory {

// What the remarks state.
struct Remarks {
  std::optional<Fix> position;  // "310900Z POSITION NEAR 23.1N 131.2E."
  std::optional<int> pressure_mb;
  std::optional<int> wave_height_ft;
  std::vector<UtcTime> next_warnings;
  bool final_warning = false;
};

// read_remarks: the lines after "REMARKS:" (up to NNNN), their DDHHMMZ times resolved nearest
// to `issued`; next warnings must come after it, in order. An error names the input line
// where the faulty phrase starts.
Result<Remarks> read_remarks(const std::vector<TextLine>& lines, const UtcTime& issued);

}  // namespace hurricane::advisory
