// The fixed situations every benchmark works through.
#pragma once

#include <vector>

#include "analysis/round_analysis.h"

namespace hurricane::bench {

// The first round's defaults: 1000 nm at 275, track 91 at 11 kn, 150 nm to keep, ship 7 kn.
analysis::RoundValues default_situation();

// 1,000 situations from a fixed seed, spread over the answers a navigator gives: the same
// list in every run, so that figures of different builds compare.
const std::vector<analysis::RoundValues>& random_situations();

}  // namespace hurricane::bench
