// One `advise` run: the request read, answered, and the answer written as text or JSON.
#pragma once

#include <ostream>
#include <string_view>

#include "cli/advise_options.h"
#include "error/error.h"

namespace hurricane::cli {

// run_advise: answers the request of `command` (with the storm from the file of --advisory
// when given) and writes the answer to `out` in `command.format`, and its picture to
// `command.svg` when given; warnings go to `errors`. Returns the exit status; on an error one
// diagnostic line goes to `errors` and nothing to `out`.
int run_advise(const AdviseRequest& command, std::string_view version, std::ostream& out,
               std::ostream& errors);

// The exit status of an error of the situation: 1 for an unusable value, else 2.
int status_of(const Error& error);

// report_error: one line for `error` on `errors`: an advisory's fault as "FILE:LINE: ...",
// any other by its option. Returns the exit status.
int report_error(const Error& error, std::string_view advisory_file, std::ostream& errors);

}  // namespace hurricane::cli
