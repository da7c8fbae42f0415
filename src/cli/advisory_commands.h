// The runs that read a storm advisory: `advise --advisory FILE` and `advisory FILE`.
#pragma once

#include <ostream>
#include <string_view>

#include "cli/command_line.h"

namespace hurricane::cli {

// run_advise_advisory: the advisory of `command` read with the ship's inputs of its request
// into a situation, and the advice written in its format: in text after a block of what the
// advisory gave, in JSON with an "advisory" object. Returns the exit status; on an error one
// diagnostic line goes to `errors` and nothing to `out`.
int run_advise_advisory(const CommandLine& command, std::string_view version, std::ostream& out,
                        std::ostream& errors);

// run_advisory_summary: `advisory FILE`: what the file holds, in text or as JSON.
int run_advisory_summary(const CommandLine& command, std::string_view version, std::ostream& out,
                         std::ostream& errors);

}  // namespace hurricane::cli
