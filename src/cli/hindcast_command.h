// `hurricane-escape hindcast`: a storm's advisories scored against its best track.
#pragma once

#include <ostream>

namespace hurricane::cli {

// Reads the arguments after "hindcast" (argv[0] is "hindcast"), runs the hindcast and writes
// the score table (or JSON, and the CSV of every encounter when asked). Exit status as advise.
int run_hindcast_command(int argc, const char* const* argv, std::ostream& out,
                         std::ostream& errors);

}  // namespace hurricane::cli
