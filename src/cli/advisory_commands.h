// `advisory FILE`: what an advisory holds.
#pragma once

#include <ostream>
#include <string_view>

#include "cli/summary_options.h"

namespace hurricane::cli {

// run_advisory_summary: `advisory FILE`: what the file holds, in text or as JSON.
int run_advisory_summary(const SummaryRequest& command, std::string_view version, std::ostream& out,
                         std::ostream& errors);

}  // namespace hurricane::cli
