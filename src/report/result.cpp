#include "report/report.h"

namespace hurricane::report {

Lines result_lines(const analysis::Advice& advice) {
  Lines out;
  out.reserve(16);
  if (advice.courses.ranges_incomplete) out.emplace_back(" # ???????? error kfeld ????????");
  escape_sector_lines(advice, out);
  max_cpa_lines(advice, out);
  verdict_lines(advice, out);
  return out;
}

}  // namespace hurricane::report
