// `hurricane-escape fleet`: advice for many ships at once, one JSON line per ship.
#pragma once

#include <istream>
#include <ostream>

namespace hurricane::cli {

// Reads the arguments after "fleet" (argv[0] is "fleet") and newline-delimited JSON ships on
// `in`; writes one JSON line per non-blank input line, in input order: the classic advice and
// advice [F], or the error naming the ship (or the line when it names none).
int run_fleet_command(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                      std::ostream& errors);

}  // namespace hurricane::cli
