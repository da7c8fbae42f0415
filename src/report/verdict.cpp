#include "console/fixed_line.h"
#include "console/free_line.h"
#include "report/report.h"

namespace hurricane::report {

void verdict_lines(const analysis::Advice& advice, Lines& out) {
  using console::FixedLine;
  const bool south = advice.hemisphere == analysis::Hemisphere::kSouth;
  if (advice.dangerous_quarter) {
    out.emplace_back(
        console::FreeLine().text("    Ship is in DANGEROUS QUARTER of hurricane").str());
  }
  switch (advice.area) {
    case analysis::Area::kInternal:
      out.emplace_back(
          FixedLine().text("===> Ship now within INTERNAL AREA of IMPACT !!! of hurricane,").str());
      // The rule of seamanship is mirrored south of the equator.
      out.emplace_back(FixedLine()
                           .text(south ? "    keep wind from port and hope!"
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
      break;
  }
}

}  // namespace hurricane::report
