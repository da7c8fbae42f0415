// The program driver: banner, hemisphere question, rounds, closing line.
#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "analysis/advice.h"

namespace hurricane::dialogue {

// Told of each round's advice once the round's report is written; returns an error message
// when what it does with the advice fails, which ends the session with status 1.
using RoundObserver = std::function<std::optional<std::string>(const analysis::Advice&)>;

struct SessionOptions {
  // A person types at a terminal: a mistyped answer is asked again, and the end
  // of input (Ctrl-D) at the distance prompt ends the session as 0 does. Off for
  // piped input, which must fail at once.
  bool interactive = false;
  RoundObserver on_round = {};  // empty: the dialogue alone
};

// Holds a whole session on the given streams and returns the exit status:
// 0 after the closing line, 1 when the input ended, an answer could not be
// read or the output could not be written (one diagnostic line then goes to
// `errors`, and nothing more to `out`), or when `options.on_round` reported an error. The
// observer adds nothing to `out`: the console bytes are those of the dialogue alone.
int run_advisor(std::istream& in, std::ostream& out, std::ostream& errors,
                const SessionOptions& options = {});

}  // namespace hurricane::dialogue
