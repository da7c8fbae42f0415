#include "watch/run_watch.h"

#include <fstream>
#include <system_error>

#include "watch/alarm_log.h"
#include "watch/folder_events.h"
#include "watch/live_json.h"
#include "watch/watch_text.h"
#include "watch/watchkeeper.h"

namespace hurricane::watch {
namespace {

// How long the loop waits for a fix or a change of the folder before looking at the clock.
constexpr std::chrono::milliseconds kPoll{250};

UtcTime clock_now() {
  return std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::system_clock::now());
}

Arrival steady_now() {
  return std::chrono::steady_clock::now();
}

// What the loop shows and sends after each input: the console, the log, the outputs, the page.
class Publisher {
 public:
  Publisher(const WatchRun& run, std::ostream& out, std::ostream& errors, std::ofstream& log)
      : run_(run), out_(out), errors_(errors), log_(log), problems_(run.outputs.size()) {}

  void publish(Watchkeeper& keeper) {
    const std::vector<AlarmEvent> changes = keeper.take_events();
    const bool changed = keeper.take_changed();
    // Logged before shown: what the console has said, the log holds.
    for (const AlarmEvent& change : changes) log_ << log_line(change);
    log_.flush();
    for (AlarmOutput* output : run_.outputs) {
      for (const AlarmEvent& change : changes) output->send(change);
      output->tick(keeper.alarms(), steady_now());
    }
    report_output_problems();
    const LiveState state = keeper.state();
    const std::string text =
        (state.round ? round_text(*state.round, keeper.alarms()) : "") + state.position_lost;
    if (run_.rounds_shown && ((!text.empty() && text != shown_) || !changes.empty())) {
      out_ << event_text(changes) << ship_text(state)
           << (state.round ? round_text(*state.round, keeper.alarms()) : "") << '\n'
           << std::flush;
      shown_ = text;
    }
    if (run_.board && (changed || !posted_)) {
      run_.board->post(live_json(state));
      posted_ = true;
    }
  }

 private:
  void report_output_problems() {
    // The feed's trouble too: position lost says so after a minute, the reason belongs in the
    // errors at once.
    if (run_.fixes && run_.fixes->problem() != fixes_problem_) {
      fixes_problem_ = run_.fixes->problem();
      // The feed's problem names the feed already.
      errors_ << "hurricane-escape: "
              << (fixes_problem_.empty() ? run_.fixes->describe() + ": working again"
                                         : fixes_problem_)
              << '\n';
    }
    for (std::size_t i = 0; i < run_.outputs.size(); ++i) {
      const std::string problem = run_.outputs[i]->problem();
      if (problem == problems_[i]) continue;
      errors_ << "hurricane-escape: " << run_.outputs[i]->describe() << ": "
              << (problem.empty() ? "working again" : problem) << '\n';
      problems_[i] = problem;
    }
  }

  const WatchRun& run_;
  std::ostream& out_;
  std::ostream& errors_;
  std::ofstream& log_;
  std::vector<std::string> problems_;
  std::string fixes_problem_;
  std::string shown_;
  bool posted_ = false;
};

void take_acks(const WatchRun& run, Watchkeeper& keeper) {
  if (!run.board) return;
  for (const AckRequest& ack : run.board->take_acks()) {
    keeper.acknowledge(ack.kind, ack.subject, clock_now(), steady_now());
  }
}

// With live fixes, `--once` answers for the first fix (or says the position is lost).
void first_fix(const WatchRun& run, Watchkeeper& keeper) {
  const Arrival give_up = steady_now() + own_ship::kLostAfter;
  while (steady_now() < give_up) {
    if (auto fix = run.fixes->next(kPoll)) {
      keeper.fix(*fix, steady_now(), clock_now());
      return;
    }
  }
  keeper.tick(clock_now(), steady_now() + std::chrono::seconds(1));
}

}  // namespace

int run_watch(const WatchRun& run, std::ostream& out, std::ostream& errors) {
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
  Watchkeeper keeper(run.settings, run.fixed_ship,
                     run.fixes ? run.fixes->describe() : std::string("fixed"));
  Publisher publisher(run, out, errors, log);
  keeper.advisories(read_folder(run.dir), clock_now(), steady_now());
  if (run.once) {
    if (run.fixes) first_fix(run, keeper);
    publisher.publish(keeper);
    return keeper.alarms().empty() ? 0 : kAlarmRaised;
  }
  publisher.publish(keeper);
  while (!(run.stop && run.stop->load()) && !(run.board && run.board->closed())) {
    bool folder_changed = false;
    if (run.fixes) {
      if (auto fix = run.fixes->next(kPoll)) keeper.fix(*fix, steady_now(), clock_now());
      folder_changed = events->wait(std::chrono::milliseconds(0));
    } else {
      folder_changed = events->wait(kPoll);
    }
    if (folder_changed) keeper.advisories(read_folder(run.dir), clock_now(), steady_now());
    take_acks(run, keeper);
    keeper.tick(clock_now(), steady_now());
    publisher.publish(keeper);
  }
  return 0;
}

}  // namespace hurricane::watch
