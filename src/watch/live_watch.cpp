#include "watch/live_watch.h"

#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

#include "situation/position.h"
#include "watch/alarm_kinds.h"
#include "watch/alarm_log.h"
#include "watch/folder_events.h"
#include "watch/live_json.h"
#include "watch/live_state.h"

namespace hurricane::watch {
namespace {

// How often the loop looks for acknowledgements and the board's closing between changes.
constexpr std::chrono::milliseconds kLookEvery{200};

UtcTime clock_now() {
  return std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::system_clock::now());
}

// The position typed once, as the fix the round is answered for.
void place_ship(const std::string& position, UtcTime now, LiveState& state) {
  const Result<navigation::LatLon> read = situation::parse_position(Field::kShip, position);
  state.fix_source = "fixed";
  if (!read.ok()) {
    state.own_ship.reset();
    state.position_lost = read.error().problem;
    return;
  }
  state.own_ship = own_ship::Fix{read.value(), std::nullopt, std::nullopt, now, "fixed"};
  state.position_lost.clear();
}

class Events {
 public:
  explicit Events(std::ofstream& log) : log_(log) {}
  // Logs `changes` and keeps the latest kLiveEvents for the state.
  void note(const std::vector<AlarmEvent>& changes, std::vector<AlarmEvent>& kept) {
    for (const AlarmEvent& change : changes) {
      log_ << log_line(change);
      kept.push_back(change);
    }
    log_.flush();
    if (kept.size() > kLiveEvents) {
      kept.erase(kept.begin(), kept.end() - static_cast<std::ptrdiff_t>(kLiveEvents));
    }
  }

 private:
  std::ofstream& log_;
};

}  // namespace

int run_live_watch(const WatchRun& run, PositionSource& ship, LiveBoard& board,
                   std::ostream& errors) {
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
  FolderEvents changes(run.dir);
  if (!changes.ok()) {
    errors << "hurricane-escape: --watch-dir '" << run.dir.string()
           << "': cannot be watched: " << changes.error() << '\n';
    return 1;
  }
  AlarmBook book;
  Events events(log);
  LiveState state;
  while (!board.closed()) {
    const UtcTime now = clock_now();
    place_ship(ship.position(), now, state);
    state.round = make_round(run.settings, ship.position(), read_folder(run.dir), now);
    events.note(book.hold(state.round->conditions, state.round->advice_time), state.events);
    state.alarms = book.raised();
    state.updated = now;
    board.post(live_json(state));
    // A change answers at once; with none, the clock moves the answer on every kAnswerEvery.
    // Acknowledgements are applied as they come, the round kept.
    const auto next = std::chrono::steady_clock::now() + kAnswerEvery;
    while (!board.closed() && std::chrono::steady_clock::now() < next) {
      if (changes.wait(kLookEvery)) break;
      std::vector<AlarmEvent> acknowledged;
      for (const AckRequest& ack : board.take_acks()) {
        const std::optional<AlarmKind> kind = kind_named(ack.kind);
        if (!kind) continue;
        if (auto event = book.acknowledge(*kind, ack.subject, clock_now())) {
          acknowledged.push_back(std::move(*event));
        }
      }
      if (acknowledged.empty()) continue;
      events.note(acknowledged, state.events);
      state.alarms = book.raised();
      state.updated = clock_now();
      board.post(live_json(state));
    }
  }
  return 0;
}

}  // namespace hurricane::watch
