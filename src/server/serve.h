// `hurricane-escape serve`: the advisor as a web page and a JSON API until SIGINT or SIGTERM.
#pragma once

#include <ostream>

#include "land/land.h"
#include "server/listen_address.h"
#include "server/live_watch_thread.h"

namespace hurricane::server {

// serve: answers with escapes held against `shoreline`; listens on `address` (port 0: a free
// port), writes the one line
// "listening on http://ADDR:PORT/" to `out` and flushes it, and serves until the process gets
// SIGINT or SIGTERM; then it stops accepting, finishes the requests under way and returns 0.
// An address it cannot listen on is one line "hurricane-escape: ..." on `errors` and status 1.
// With `standing`, it stands that watch too until it stops, its live state at /api/live; a
// folder that is not one is status 1 before listening.
int serve(const ListenAddress& address, land::Land shoreline, std::ostream& out,
          std::ostream& errors, const StandingWatch* standing = nullptr);

}  // namespace hurricane::server
