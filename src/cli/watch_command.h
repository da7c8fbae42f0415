// `watch`: the request made into the watch's settings, as `advise` makes its request.
#pragma once

#include <ostream>

#include "cli/watch_options.h"

namespace hurricane::cli {

int run_watch_command(const WatchRequest& request, std::ostream& out, std::ostream& errors);

}  // namespace hurricane::cli
