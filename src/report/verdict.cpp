#include "report/verdict.h"

#include <cmath>

#include "console/fixed_line.h"
#include "console/free_line.h"

namespace hurricane::report {

void write_verdict(int nosu, double alfa, Area area, console::Output& out) {
  const bool south = nosu > 1;
  const bool ahead = std::fabs(alfa) < 90;
  if (ahead && (south ? alfa < 0 : alfa > 0)) {
    out.line(console::FreeLine().text("    Ship is in DANGEROUS QUARTER of hurricane").str());
  }

  using console::FixedLine;
  switch (area) {
    case Area::kInternal:
      out.line(
          FixedLine().text("===> Ship now within INTERNAL AREA of IMPACT !!! of hurricane,").str());
      // The rule of seamanship is mirrored south of the equator.
      out.line(FixedLine()
                   .text(south ? "    keep wind from port and hope!"
                               : "    keep wind from starbord and hope!")
                   .str());
      break;
    case Area::kExternal:
      out.line(
          FixedLine()
              .text("===> Ship already in EXTERNAL AREA of IMPACT ! of hurricane, escape via [B]")
              .str());
      break;
    case Area::kDistant:
      out.line(FixedLine().text("===> Ship still DISTANT to hurricane, escape via [A]").str());
      break;
  }
}

}  // namespace hurricane::report
