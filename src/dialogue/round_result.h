// The analysis and advice that close every round.
#pragma once

#include "analysis/round_analysis.h"
#include "console/output.h"

namespace hurricane::dialogue {

// Runs the situation model and the course scan on the round's working values,
// then prints advice [A], advice [B] and the verdict for hemisphere `nosu`.
void write_round_result(const analysis::RoundValues& values, int nosu, console::Output& out);

}  // namespace hurricane::dialogue
