// Standing watch over a folder of advisories: answered again on every change of the folder and
// every 10 minutes, the alarms raised and cleared as the answer changes.
#pragma once

#include <chrono>
#include <filesystem>
#include <ostream>
#include <string>

#include "watch/position_source.h"
#include "watch/watch_round.h"

namespace hurricane::watch {

inline constexpr std::chrono::minutes kAnswerEvery{10};
// The exit status of `--once` when an alarm is raised (1 and 2 are the program's errors).
inline constexpr int kAlarmRaised = 3;

struct WatchRun {
  std::filesystem::path dir;
  WatchSettings settings;
  std::string log;    // the alarm log's file (appended to), empty for none
  bool once = false;  // answer once and return
};

// run_watch: the watch until the process is ended (or one answer with `once`: 0, or
// kAlarmRaised when an alarm holds). Rounds go to `out` when what they show changes; a folder or
// log that cannot be opened is one line on `errors` and status 1.
int run_watch(const WatchRun& run, PositionSource& ship, std::ostream& out, std::ostream& errors);

}  // namespace hurricane::watch
