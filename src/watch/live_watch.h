// The watch as `serve` stands it: every round and every acknowledgement posted to a LiveBoard
// for the page, until the board is closed.
#pragma once

#include <ostream>

#include "watch/live_board.h"
#include "watch/position_source.h"
#include "watch/run_watch.h"

namespace hurricane::watch {

// The latest alarm events the live state keeps.
inline constexpr std::size_t kLiveEvents = 50;

// run_live_watch: answers as run_watch does (on every change of the folder and every
// kAnswerEvery), posts live_json of each state to `board`, applies the acknowledgements asked
// of it, and returns 0 once the board is closed. A folder or log that cannot be opened is one
// line on `errors` and status 1, nothing posted.
// TODO(lead): run_watch with a LiveBoard* and the live fixes takes this loop's place; serve's
// one call to it (server/live_watch_thread.cpp) then calls run_watch.
int run_live_watch(const WatchRun& run, PositionSource& ship, LiveBoard& board,
                   std::ostream& errors);

}  // namespace hurricane::watch
