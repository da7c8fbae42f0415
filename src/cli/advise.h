// One `advise` run: the situation formed, analysed and written as text or JSON.
#pragma once

#include <ostream>
#include <string_view>

#include "cli/command_line.h"

namespace hurricane::cli {

// run_advise: forms the situation of `request`, advises on it and writes the answer to `out`
// in `format`; warnings go to `errors`. Returns the exit status; on an error one diagnostic
// line goes to `errors` and nothing to `out`.
int run_advise(const situation::Request& request, Format format, std::string_view version,
               std::ostream& out, std::ostream& errors);

}  // namespace hurricane::cli
