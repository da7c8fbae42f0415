#include "console/fixed_line.h"
#include "console/free_line.h"
#include "plane_geometry/timday.h"
#include "plane_geometry/truncate.h"
#include "report/report.h"

namespace hurricane::report {

using console::FixedLine;
using console::FreeLine;

void max_cpa_lines(const analysis::Advice& advice, Lines& out) {
  const analysis::MaxCpa& b = advice.max_cpa;
  switch (b.kind) {
    case analysis::CpaCase::kFaster:
      out.emplace_back(
          FreeLine().text("    CPA irrelevant, since ship faster than hurricane").str());
      break;
    case analysis::CpaCase::kAchieved:
      out.emplace_back(FreeLine()
                           .text("    Maximum of CPA =")
                           .integer(plane_geometry::truncate_to_int(advice.values.dist + 0.5))
                           .text(" [nm] already achieved!")
                           .str());
      break;
    case analysis::CpaCase::kCpaAhead:
      break;
  }

  if (b.course) {
    int iday = 0;  // the time to go in whole days, hours, minutes and seconds
    int ihour = 0;
    int imin = 0;
    int isec = 0;
    plane_geometry::timday(b.time_to_go.count(), iday, ihour, imin, isec);
    out.emplace_back(
        FixedLine().text("    Maximally possible CPA =").real(b.cpa, 6, 1).text(" nm").str());
    out.emplace_back(FixedLine()
                         .text("    with time-to-go=")
                         .integer(iday, 3)
                         .text(" d")
                         .integer(ihour, 3)
                         .text(" h")
                         .integer(imin, 3)
                         .text(" m")
                         .integer(isec, 3)
                         .text(" s")
                         .str());
    out.emplace_back(FixedLine()
                         .text("[B] For probable CPA-max, take the course =")
                         .real(*b.course, 6, 1)
                         .text(" degrees!")
                         .str());
  } else {
    out.emplace_back(FreeLine()
                         .text("    (Suggested course would be")
                         .integer(b.suggested_course)
                         .text(" degrees)")
                         .str());
  }
  out.emplace_back(FreeLine().text(" ").str());
  if (b.slow_ship_hint) {
    out.emplace_back(
        FreeLine().text("    (Slow ships may take direction orthogonal to HUR-track)").str());
  }
}

}  // namespace hurricane::report
