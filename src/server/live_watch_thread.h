// The watch `serve --watch-dir` stands beside the server: on a thread of its own, posting to the
// board the live API reads, until the server stops.
#pragma once

#include <atomic>
#include <ostream>
#include <string>
#include <thread>

#include "watch/live_board.h"
#include "watch/run_watch.h"

namespace hurricane::server {

struct StandingWatch {
  watch::WatchRun run;    // its shoreline is set by serve (below); its sources are the caller's
  bool hold_land = true;  // held against the server's shoreline; false: --no-land
};

class LiveWatchThread {
 public:
  // Starts the watch; `standing`, `board` and `errors` must outlive the thread.
  LiveWatchThread(const StandingWatch& standing, watch::LiveBoard& board, std::ostream& errors);
  // Closes the board, which ends the watch and every stream waiting on it, and joins.
  ~LiveWatchThread();
  LiveWatchThread(const LiveWatchThread&) = delete;
  LiveWatchThread& operator=(const LiveWatchThread&) = delete;

 private:
  watch::LiveBoard& board_;
  std::atomic<bool> stop_ = false;
  std::thread thread_;
};

}  // namespace hurricane::server
