// hurrica: the round loop of the advisor.
#pragma once

#include "analysis/round_values.h"
#include "dialogue/driver.h"
#include "dialogue/terminal.h"

namespace hurricane::dialogue {

// hurrica: runs rounds until a distance of 0 or less is entered. Each round asks
// the six values with the previous ones as defaults, makes them non-negative in
// place, echoes the situation and prints the analysis and advice for the
// hemisphere `nosu`. At an interactive terminal the end of the input at the
// distance prompt ends the rounds as a distance of 0 does. Each round's advice
// then goes to `on_round` (if any). Throws InputFailure when the input fails,
// OutputFailure when the output cannot be written, SessionFailure when
// `on_round` reports an error.
void hurrica(analysis::Hemisphere nosu, double& dist0, double& bear0, double& cpa0, double& speed0,
             double& track0, double& vship0, Terminal& terminal,
             const RoundObserver& on_round = {});

}  // namespace hurricane::dialogue
