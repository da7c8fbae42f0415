// `hurricane-escape fleet`: advice for many ships at once, one JSON line per ship.
#pragma once

#include <istream>
#include <ostream>

#include "cli/fleet_options.h"

namespace hurricane::cli {

// run_fleet: reads newline-delimited JSON ships on `in` and judges them against the storms of
// `request`; writes one JSON line per non-blank input line, in input order: the classic advice and
// advice [F], or the error naming the ship (or the line when it names none).
int run_fleet(const FleetRequest& request, std::istream& in, std::ostream& out,
              std::ostream& errors);

}  // namespace hurricane::cli
