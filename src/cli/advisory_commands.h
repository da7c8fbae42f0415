// `advisory FILE`: what an advisory holds.
#pragma once

#include <ostream>
#include <string_view>

#include "cli/command_line.h"

namespace hurricane::cli {

// run_advisory_summary: `advisory FILE`: what the file holds, in text or as JSON.
int run_advisory_summary(const CommandLine& command, std::string_view version, std::ostream& out,
                         std::ostream& errors);

}  // namespace hurricane::cli
