// The command line as a whole: what the program does when it is given arguments.
#pragma once

#include <ostream>

namespace hurricane::cli {

// run_command_line: `advise [OPTIONS]`, `advisory FILE [OPTIONS]`, `--help` or `--version` from
// argv[1..argc); returns the exit status (0, 1 for an unusable value or lost output, 2 for wrong
// usage).
int run_command_line(int argc, const char* const* argv, std::ostream& out, std::ostream& errors);

}  // namespace hurricane::cli
