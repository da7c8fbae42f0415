// Reading a forecast/advisory (TCM) out of numbered text lines.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "advisory/result.h"
#include "advisory/text_lines.h"

namespace hurricane::advisory {

// A TCM found among lines: the index of its title line and the storm id on the line after
// (empty when that line holds none; reading it then fails with the reason).
struct TcmStart {
  std::size_t title_index = 0;
  std::string id;
};

// Every TCM title among `lines`, in order.
std::vector<TcmStart> find_tcms(const std::vector<TextLine>& lines);

// Reads the TCM whose title is lines[title_index], up to "$$" or the forecaster's name; one that
// reaches "NNNN", the next title or the end before either is refused as cut.
// It needs the title, the centre with its id, the issue time, the centre position and time, the
// present movement and the maximum wind; every other line it knows must read in full.
Result<Storm> read_tcm(const std::vector<TextLine>& lines, std::size_t title_index,
                       SourceForm form);

}  // namespace hurricane::advisory
