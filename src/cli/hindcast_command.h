// `hurricane-escape hindcast`: a storm's advisories scored against its best track.
#pragma once

#include <ostream>

#include "cli/hindcast_options.h"

namespace hurricane::cli {

// run_hindcast: runs the hindcast of `request` and writes the score table (or JSON, and the
// CSV of every encounter when asked). Exit status as advise.
int run_hindcast(const HindcastRequest& request, std::ostream& out, std::ostream& errors);

}  // namespace hurricane::cli
