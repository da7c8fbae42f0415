#include "dialogue/round_loop.h"

#include <cmath>

#include "analysis/round_analysis.h"
#include "console/fixed_line.h"
#include "console/free_line.h"
#include "dialogue/attribution.h"
#include "dialogue/prompted_input.h"
#include "dialogue/round_result.h"

namespace hurricane::dialogue {
namespace {

// The least ship speed the analysis works with (1e-19 in single precision).
constexpr double kLeastShipSpeed = 9.999999682655225e-20;

void ask(const char* question, double& value, Terminal& terminal) {
  terminal.output.line(question);
  readit(value, terminal);
}

void echo_situation(const analysis::RoundValues& v, console::Output& out) {
  using console::FixedLine;
  out.line(FixedLine()
               .text("Distance of HUR [nm]=")
               .real(v.dist, 5, 0)
               .text("  Direction of HUR seen from ship [deg]=")
               .real(v.bear, 5, 0)
               .str());
  out.line(FixedLine(FixedLine::Start::kDirect)
               .text(" Track-direction of HUR [deg]=")
               .real(v.track, 5, 0)
               .text("  Advancement-speed of HUR [kt]=")
               .real(v.speed, 5, 1)
               .text("+-")
               .real(v.dspeed, 4, 1)
               .str());
  out.line(FixedLine(FixedLine::Start::kDirect)
               .text(" Radius of HUR to be avoided [nm]=")
               .real(v.cpa, 5, 0)
               .text("  Max-speed of SHIP[kts]=")
               .real(v.vship, 5, 1)
               .str());
}

}  // namespace

void hurrica(int& nosu, double& dist0, double& bear0, double& cpa0, double& speed0, double& track0,
             double& vship0, Terminal& terminal) {
  console::Output& out = terminal.output;
  for (;;) {
    out.empty_lines(50);
    out.line(R"( ~~~ Escape from an approaching hurricane (="HUR") ~~~)");
    out.line(nosu > 1 ? "  (Ship position is in SOUTHERN hemisphere of earth)"
                      : "  (Ship position is in NORTHERN hemisphere of earth)");
    out.line("          INPUT now:");
    out.empty_lines(1);
    out.line(" Distance of hurricane from ship in nautical miles =?");
    out.line("         (to exit, enter 0)");
    readit(dist0, terminal);
    if (!(dist0 > 0)) return;
    out.line(" Direction of hurricane seen from ship in degrees =");
    out.line("    (relative to geographic north-direction)");
    readit(bear0, terminal);
    ask(" Direction of advancement of hurricane in degrees =?", track0, terminal);
    ask(" Speed of hurricane in knots =?", speed0, terminal);
    ask(" Distance to be kept from center of hurricane in nautical miles =?", cpa0, terminal);
    ask(" Maximum speed of SHIP in knots=?", vship0, terminal);

    // The answers become the next round's defaults: none of them negative.
    // Directions keep their size: -90 becomes 90, not 270.
    for (double* answer : {&vship0, &dist0, &bear0, &cpa0, &track0, &speed0}) {
      *answer = std::fabs(*answer);
    }
    out.empty_lines(40);

    analysis::RoundValues values;
    values.dist = dist0;
    values.bear = bear0;
    values.cpa = cpa0;
    values.speed = speed0;
    values.dspeed = values.speed * 0.5;
    values.track = track0;
    values.vship = vship0 < kLeastShipSpeed ? kLeastShipSpeed : vship0;

    out.line(R"( ~~~ Escape from an approaching hurricane (="HUR")~~~)");
    out.empty_lines(1);
    myname(dist0, bear0, track0, terminal);
    echo_situation(values, out);
    out.empty_lines(1);
    out.line("          ==> Result:");
    write_round_result(values, nosu, out);
    out.empty_lines(1);
    out.line("      <..hit RETURN to restart>");
    // Whatever is typed before RETURN is discarded. The end of the input here
    // still counts as RETURN: the next round then stops at its first prompt.
    terminal.read_line_or_end(0);
  }
}

}  // namespace hurricane::dialogue
