#include "dialogue/round_loop.h"

#include <cmath>
#include <optional>
#include <string>

#include "analysis/advice.h"
#include "dialogue/attribution.h"
#include "dialogue/prompted_input.h"
#include "report/report.h"

namespace hurricane::dialogue {
namespace {

void ask(const char* question, double& value, Terminal& terminal) {
  terminal.output.line(question);
  readit(value, terminal);
}

void print(const report::Lines& lines, console::Output& out) {
  for (const std::string& line : lines) out.line(line);
}

}  // namespace

void hurrica(analysis::Hemisphere nosu, double& dist0, double& bear0, double& cpa0, double& speed0,
             double& track0, double& vship0, Terminal& terminal, const RoundObserver& on_round) {
  console::Output& out = terminal.output;
  for (;;) {
    out.empty_lines(50);
    out.line(R"( ~~~ Escape from an approaching hurricane (="HUR") ~~~)");
    out.line(nosu == analysis::Hemisphere::kSouth
                 ? "  (Ship position is in SOUTHERN hemisphere of earth)"
                 : "  (Ship position is in NORTHERN hemisphere of earth)");
    out.line("          INPUT now:");
    out.empty_lines(1);
    out.line(" Distance of hurricane from ship in nautical miles =?");
    out.line("         (to exit, enter 0)");
    // A person at a terminal may end with Ctrl-D here as with 0; a script whose
    // input ends here has lost its answers and must fail (readit throws).
    if (terminal.interactive) {
      if (!readit_or_end(dist0, terminal)) return;
    } else {
      readit(dist0, terminal);
    }
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

    const analysis::RoundValues values =
        analysis::round_values({dist0, bear0, track0, speed0, cpa0, vship0});

    out.line(R"( ~~~ Escape from an approaching hurricane (="HUR")~~~)");
    out.empty_lines(1);
    myname(dist0, bear0, track0, terminal);
    print(report::echo_lines(values), out);
    out.empty_lines(1);
    out.line("          ==> Result:");
    const analysis::Advice advice = analysis::advise(values, nosu);
    print(report::result_lines(advice), out);
    if (on_round) {
      if (const std::optional<std::string> error = on_round(advice)) throw SessionFailure(*error);
    }
    out.empty_lines(1);
    out.line("      <..hit RETURN to restart>");
    // Whatever is typed before RETURN is discarded. The end of the input here
    // still counts as RETURN: the next round then stops at its first prompt.
    terminal.read_line_or_end(0);
  }
}

}  // namespace hurricane::dialogue
