#include "watch/run_watch.h"

#include <fstream>
#include <system_error>

#include "watch/alarm_log.h"
#include "watch/folder_events.h"
#include "watch/watch_text.h"

namespace hurricane::watch {
namespace {

UtcTime clock_now() {
  return std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::system_clock::now());
}

}  // namespace

int run_watch(const WatchRun& run, PositionSource& ship, std::ostream& out, std::ostream& errors) {
  std::error_code failed;
  if (!std::filesystem::is_directory(run.dir, failed)) {
    errors << "hurricane-escape: --watch-dir '" << run.dir.string() << "': not a directory\n";
    return 1;
  }
  std::ofstream log;
  if (!run.log.empty()) {
    log.open(run.log, std::ios::app);
    if (!log) {
      errors << "hurricane-escape: --log '" << run.log << "': cannot be written\n";
      return 1;
    }
  }
  // Watched before the first reading, so a file arriving meanwhile is not missed.
  std::optional<FolderEvents> events;
  if (!run.once) {
    events.emplace(run.dir);
    if (!events->ok()) {
      errors << "hurricane-escape: --watch-dir '" << run.dir.string()
             << "': cannot be watched: " << events->error() << '\n';
      return 1;
    }
  }
  AlarmBook book;
  std::string shown;
  for (;;) {
    const Round round =
        make_round(run.settings, ship.position(), read_folder(run.dir), clock_now());
    const std::vector<AlarmEvent> changes = book.hold(round.conditions, round.advice_time);
    const std::string text = round_text(round, book.raised());
    // Logged before shown: what the console has said, the log holds.
    for (const AlarmEvent& change : changes) log << log_line(change);
    log.flush();
    if (text != shown || !changes.empty()) {
      out << event_text(changes) << text << '\n' << std::flush;
      shown = text;
    }
    if (run.once) return book.raised().empty() ? 0 : kAlarmRaised;
    // A change answers at once; with none, the clock moves the answer on every kAnswerEvery.
    const auto next = std::chrono::steady_clock::now() + kAnswerEvery;
    while (std::chrono::steady_clock::now() < next) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          next - std::chrono::steady_clock::now());
      if (events->wait(left)) break;
    }
  }
}

}  // namespace hurricane::watch
