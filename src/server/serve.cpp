#include "server/serve.h"

#include <malloc.h>
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <variant>

#include "server/http_server.h"
#include "server/limits.h"
#include "server/shoreline.h"

namespace hurricane::server {

namespace {

// SIGINT and SIGTERM, blocked in every thread so that only the waiting main thread takes them.
sigset_t stop_signals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  return signals;
}

}  // namespace

int serve(const ListenAddress& address, land::Land shoreline, std::ostream& out,
          std::ostream& errors, const StandingWatch* standing) {
  // Each worker thread would otherwise get a malloc arena of its own that keeps the peak of
  // its answers: memory that grows with the number of threads, not with the work.
  mallopt(M_ARENA_MAX, kMallocArenas);
  // A client that goes away while its answer is written must not end the process.
  signal(SIGPIPE, SIG_IGN);
  const sigset_t signals = stop_signals();
  // Before any thread starts, so the workers inherit the mask.
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);

  // The answers hold escapes against land as `advise` does.
  hold_shoreline(std::move(shoreline));

  std::optional<StandingWatch> watch;
  if (standing != nullptr) {
    std::error_code failed;
    if (!std::filesystem::is_directory(standing->run.dir, failed)) {
      errors << "hurricane-escape: --watch-dir '" << standing->run.dir.string()
             << "': not a directory\n";
      return 1;
    }
    watch = *standing;
    watch->run.settings.base.shoreline = watch->hold_land ? held_shoreline() : nullptr;
  }
  watch::LiveBoard board;

  httplib::Server server;
  configure(server, watch ? &board : nullptr);
  ListenAddress bound = address;
  bound.port = bind_server(server, address);
  if (bound.port <= 0) {
    errors << "hurricane-escape: cannot listen on " << url_of(address)
           << " (address not on this machine, or the port in use)\n";
    return 1;
  }
  out << "listening on " << url_of(bound) << '\n';
  out.flush();

  // Ended (the board closed) before the server stops, so no stream waits on it.
  std::optional<LiveWatchThread> watching;
  if (watch) watching.emplace(*watch, board, errors);

  std::atomic<bool> listening_ended = false;
  std::thread listener([&server, &listening_ended] {
    server.listen_after_bind();
    listening_ended = true;
  });
  // The library's stop does nothing until its loop runs; a signal that came before would
  // leave the loop accepting for ever.
  while (!server.is_running() && !listening_ended) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  int received = 0;
  if (!listening_ended) sigwait(&signals, &received);
  watching.reset();
  server.stop();
  listener.join();
  return 0;
}

}  // namespace hurricane::server
