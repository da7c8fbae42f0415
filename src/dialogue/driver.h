// The program driver: banner, hemisphere question, rounds, closing line.
#pragma once

#include <istream>
#include <ostream>

namespace hurricane::dialogue {

struct SessionOptions {
  // A person types at a terminal: a mistyped answer is asked again, and the end
  // of input (Ctrl-D) at the distance prompt ends the session as 0 does. Off for
  // piped input, which must fail at once.
  bool interactive = false;
};

// Holds a whole session on the given streams and returns the exit status:
// 0 after the closing line, 1 when the input ended, an answer could not be
// read or the output could not be written (one diagnostic line then goes to
// `errors`, and nothing more to `out`).
int run_advisor(std::istream& in, std::ostream& out, std::ostream& errors,
                SessionOptions options = {});

}  // namespace hurricane::dialogue
