#include "server/live_watch_thread.h"

#include <sstream>

namespace hurricane::server {

LiveWatchThread::LiveWatchThread(const StandingWatch& standing, watch::LiveBoard& board,
                                 std::ostream& errors)
    : board_(board), thread_([this, &standing, &board, &errors] {
        watch::WatchRun run = standing.run;
        run.board = &board;
        run.stop = &stop_;
        // The page shows the rounds; a console nobody reads would fill its pipe and stop the
        // watch.
        std::ostringstream unread;
        run.rounds_shown = false;
        watch::run_watch(run, unread, errors);
      }) {}

LiveWatchThread::~LiveWatchThread() {
  stop_ = true;
  board_.close();
  thread_.join();
}

}  // namespace hurricane::server
