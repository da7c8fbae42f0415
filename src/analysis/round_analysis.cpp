#include "analysis/round_analysis.h"

#include "analysis/course_scan.h"
#include "analysis/limits.h"
#include "analysis/situation.h"

namespace hurricane::analysis {

RoundAnalysis analyse_round(const RoundValues& values, console::Output& out) {
  RoundAnalysis r;
  model_situation(values, r);
  scan_courses(r, values.vship, values.dspeed, r.icrs);
  limits(r.icrs, r.kcrs, r.numc, out);
  return r;
}

}  // namespace hurricane::analysis
