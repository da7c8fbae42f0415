// The standing watch's judgement, apart from where its inputs come from: the folder's
// advisories, the ship's fixes and the passing time go in; answers, alarms and the live state
// come out. The loop in run_watch feeds it; tests feed it directly.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "own_ship/fix.h"
#include "own_ship/fix_judge.h"
#include "watch/alarm_book.h"
#include "watch/live_state.h"
#include "watch/watch_round.h"

namespace hurricane::watch {

using own_ship::Arrival;
using own_ship::Fix;

// A live fix answers again when the course or speed changed by more than these since the fix
// last answered for, or when that answer is kAnswerEvery old by the fixes' own times.
inline constexpr double kCourseChangeDeg = 10.0;
inline constexpr double kSpeedChangeKn = 2.0;
inline constexpr std::chrono::minutes kAnswerEvery{10};

// needs_answer: whether `fix` calls for a new answer after the one for `answered`.
bool needs_answer(const Fix& answered, const Fix& fix);

class Watchkeeper {
 public:
  // With `fixed_ship` the ship stays there and the clock (or --at) is the advice time; without,
  // the ship is where its fixes say and each answer is at its fix's own time.
  Watchkeeper(WatchSettings settings, std::optional<std::string> fixed_ship,
              std::string fix_source);

  // The folder's advisories as read now: answered again.
  void advisories(FolderAdvisories folder, UtcTime clock, Arrival now);
  // A fix arrived: judged, and answered for when needs_answer says so.
  void fix(const Fix& fix, Arrival now, UtcTime clock);
  // Time passed: the fixed ship answered again every kAnswerEvery, a live position judged.
  void tick(UtcTime clock, Arrival now);
  // The navigator has seen the alarm: false when no such alarm is raised.
  bool acknowledge(std::string_view kind, std::string_view subject, UtcTime clock, Arrival now);

  // The alarm events since the last call, oldest first.
  std::vector<AlarmEvent> take_events();
  // Whether the state changed since the last call.
  bool take_changed();
  LiveState state() const { return state_; }
  const std::vector<Alarm>& alarms() const { return book_.raised(); }

 private:
  void answer(UtcTime clock, Arrival now);
  void hold_alarms(UtcTime clock, Arrival now);
  UtcTime watch_time(UtcTime clock, Arrival now) const;
  void record(std::vector<AlarmEvent> events);

  WatchSettings settings_;
  std::optional<std::string> fixed_ship_;
  own_ship::FixJudge judge_;
  std::optional<FolderAdvisories> folder_;
  std::optional<Fix> answered_fix_;  // the live fix the round is for
  Arrival last_arrival_{};           // when the fix the watch's time goes by arrived
  std::optional<Fix> last_fix_;      // the latest good fix
  Arrival answered_at_{};            // when the fixed ship was last answered
  std::optional<Arrival> started_;   // the first input
  AlarmBook book_;
  LiveState state_;
  std::vector<AlarmEvent> pending_;
  bool changed_ = false;
};

}  // namespace hurricane::watch
