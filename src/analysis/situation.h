// The situation model of a round: danger cone, track zone, escape courses and their speeds.
#pragma once

#include "analysis/round_analysis.h"

namespace hurricane::analysis {

// model_situation: fills ph0, pa, ph1, bec, be1, be2, beh0h1, rn1, rn2, rn1k, rn2k, kdir, kben1,
// kben2, kanti and karea of `r` from the round's values; leaves icrs, kcrs and numc alone.
// A ship inside the critical circle gives kdir 0, karea 4 and kben1 = kben2 = 0.
void model_situation(const RoundValues& v, RoundAnalysis& r);

}  // namespace hurricane::analysis
