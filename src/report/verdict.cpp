#include "console/fixed_line.h"
#include "console/free_line.h"
#include "report/report.h"

namespace hurricane::report {

void verdict_lines(const analysis::Advice& advice, Lines& out) {
  using console::FixedLine;
  const analysis::Verdict& verdict = advice.verdict;
  if (verdict.in_dangerous_quarter) {
    out.emplace_back(
        console::FreeLine().text("    Ship is in DANGEROUS QUARTER of hurricane").str());
  }
  switch (verdict.area) {
    case analysis::Area::kInternal:
      out.emplace_back(
          FixedLine().text("===> Ship now within INTERNAL AREA of IMPACT !!! of hurricane,").str());
      out.emplace_back(FixedLine()
                           .text(verdict.keep_wind_on == analysis::WindSide::kPort
                                     ? "    keep wind from port and hope!"
                                     : "    keep wind from starbord and hope!")
                           .str());
      break;
    case analysis::Area::kExternal:
      out.emplace_back(
          FixedLine()
              .text("===> Ship already in EXTERNAL AREA of IMPACT ! of hurricane, escape via [B]")
              .str());
      break;
    case analysis::Area::kDistant:
      out.emplace_back(
          FixedLine().text("===> Ship still DISTANT to hurricane, escape via [A]").str());
      if (!advice.courses.escapes.empty() && !analysis::recommended_escape(advice.courses)) {
        out.emplace_back(console::FreeLine()
                             .text("    but every [A] escape meets land: see [B] and the chart.")
                             .str());
      }
      break;
  }
}

}  // namespace hurricane::report
