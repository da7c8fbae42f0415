#include "dialogue/round_result.h"

#include "report/escape_sectors.h"
#include "report/max_cpa.h"
#include "report/verdict.h"

namespace hurricane::dialogue {

void write_round_result(const analysis::RoundValues& values, int nosu, console::Output& out) {
  const analysis::RoundAnalysis analysis = analysis::analyse_round(values, out);
  const report::Area area = report::write_escape_sectors(values, analysis, out);
  const double alfa = report::write_max_cpa(values, analysis, out);
  report::write_verdict(nosu, alfa, area, out);
}

}  // namespace hurricane::dialogue
