// The command line as a whole: what the program does when it is given arguments.
#pragma once

#include <istream>
#include <ostream>

#include "dialogue/driver.h"

namespace hurricane::cli {

// run_command_line: `advise [OPTIONS]`, `advisory FILE [OPTIONS]`, `serve [--listen
// ADDR:PORT]`, the dialogue on `in` with
// `--svg-dir DIR` (held with `dialogue`, a picture of each round added), `--help` or
// `--version` from argv[1..argc); returns the exit status (0, 1 for an unusable value, lost
// output or a picture that cannot be written, 2 for wrong usage).
int run_command_line(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                     std::ostream& errors, const dialogue::SessionOptions& dialogue);

}  // namespace hurricane::cli
