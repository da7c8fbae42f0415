#include "dialogue/driver.h"

#include "console/output.h"
#include "dialogue/prompted_input.h"
#include "dialogue/round_loop.h"
#include "dialogue/terminal.h"

namespace hurricane::dialogue {
namespace {

constexpr const char* kBanner[] = {
    R"( ~~~~~~~~ Escape from hurricane (="HUR")~~~~~~~<v3>~~~)",
    "",
    " The calculation assumes, that the hurricane moves at ",
    " velocity V in a certain direction(track). Since that",
    " velocity may change, an uncertainty U=V/2 is assumed,",
    " so that the vector U is added at random to vector V.",
    " The escape-direction then is chosen such that a ",
    " minimal distance from the hurricane is guaranteed,",
    " even under the uncertainty U in hurricane-velocity. -",
    " Three different areas relative to hurricane-center",
    " are discriminated: ",
    "   INNER, EXTERNAL, and DISTANT area,",
    " with different escape-procedures being recommended.",
    " [Warning:  Not safe for navigation, use with care!]",
    "",
    R"( if ship is NORTH of equator,  enter  "1")",
    R"( if ship is SOUTH of equator,  enter  "2")",
};

}  // namespace

int run_advisor(std::istream& in, std::ostream& out, std::ostream& errors,
                const SessionOptions& options) {
  console::StreamOutput output(out);
  LineInput input(in);
  Terminal terminal{input, output, options.interactive};

  double rnosu = 1.0;  // the hemisphere answer
  double dist0 = 1000.0;
  double bear0 = 275.0;
  double track0 = 91.0;
  double speed0 = 11.0;
  double cpa0 = 150.0;
  double vship0 = 7.0;
  try {
    for (const char* line : kBanner) output.line(line);
    readit(rnosu, terminal);
    hurrica(analysis::hemisphere_of(rnosu), dist0, bear0, cpa0, speed0, track0, vship0, terminal,
            options.on_round);
    output.line(" ~~~~~~~~~~~~~~~~~~~END of Program~~~~~~~~~~~~~~~~~~~~");
    output.empty_lines(1);
    output.flush();
    // Status 0 says the navigator was shown everything: not so if any of it was lost.
    if (!output.intact()) throw OutputFailure("cannot write to standard output");
  } catch (const SessionFailure& failure) {
    output.flush();
    errors << "hurricane-escape: " << failure.what() << '\n';
    errors.flush();
    return 1;
  }
  return 0;
}

}  // namespace hurricane::dialogue
