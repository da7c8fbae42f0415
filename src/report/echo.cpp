#include "console/fixed_line.h"
#include "report/report.h"

namespace hurricane::report {

Lines echo_lines(const analysis::RoundValues& v) {
  using console::FixedLine;
  Lines out;
  out.emplace_back(FixedLine()
                       .text("Distance of HUR [nm]=")
                       .real(v.dist, 5, 0)
                       .text("  Direction of HUR seen from ship [deg]=")
                       .real(v.bear, 5, 0)
                       .str());
  out.emplace_back(FixedLine(FixedLine::Start::kDirect)
                       .text(" Track-direction of HUR [deg]=")
                       .real(v.track, 5, 0)
                       .text("  Advancement-speed of HUR [kt]=")
                       .real(v.speed, 5, 1)
                       .text("+-")
                       .real(v.dspeed, 4, 1)
                       .str());
  out.emplace_back(FixedLine(FixedLine::Start::kDirect)
                       .text(" Radius of HUR to be avoided [nm]=")
                       .real(v.cpa, 5, 0)
                       .text("  Max-speed of SHIP[kts]=")
                       .real(v.vship, 5, 1)
                       .str());
  return out;
}

}  // namespace hurricane::report
