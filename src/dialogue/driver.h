// The program driver: banner, hemisphere question, rounds, closing line.
#pragma once

#include <istream>
#include <ostream>

namespace hurricane::dialogue {

// Holds a whole session on the given streams and returns the exit status:
// 0 after the closing line, 1 when the input ended, an answer could not be
// read or the output could not be written (one diagnostic line then goes to
// `errors`, and nothing more to `out`).
int run_advisor(std::istream& in, std::ostream& out, std::ostream& errors);

}  // namespace hurricane::dialogue
