#include "analysis/round_analysis.h"

#include "analysis/course_scan.h"
#include "analysis/limits.h"
#include "analysis/situation.h"

namespace hurricane::analysis {

RoundAnalysis analyse_round(const RoundValues& values) {
  RoundAnalysis r;
  model_situation(values, r);
  scan_courses(r, values.vship, values.dspeed, r.codes);
  r.icrs = r.codes;
  r.limits_error = limits(r.icrs, r.kcrs, r.numc);
  return r;
}

}  // namespace hurricane::analysis
