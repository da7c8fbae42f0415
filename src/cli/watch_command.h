// `watch`: the request made into the watch's settings, as `advise` makes its request.
#pragma once

#include <ostream>

#include "cli/watch_options.h"
#include "watch/run_watch.h"

namespace hurricane::cli {

// watch_run: the request as the watch's run, without the shoreline (the caller's to hold).
watch::WatchRun watch_run(const WatchRequest& request);

int run_watch_command(const WatchRequest& request, std::ostream& out, std::ostream& errors);

}  // namespace hurricane::cli
