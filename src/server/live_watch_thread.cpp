#include "server/live_watch_thread.h"

#include "watch/live_watch.h"
#include "watch/position_source.h"

namespace hurricane::server {

LiveWatchThread::LiveWatchThread(const StandingWatch& standing, watch::LiveBoard& board,
                                 std::ostream& errors)
    : board_(board), thread_([&standing, &board, &errors] {
        watch::FixedPosition ship(standing.ship);
        // TODO(lead): the one call where serve meets the watch; becomes run_watch(standing.run,
        // fixes, out, errors, &board) with the stop flag once run_watch takes a LiveBoard.
        watch::run_live_watch(standing.run, ship, board, errors);
      }) {}

LiveWatchThread::~LiveWatchThread() {
  board_.close();
  thread_.join();
}

}  // namespace hurricane::server
