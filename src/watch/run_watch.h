// Standing watch: a folder of advisories and the ship's position, answered again as either
// changes, with alarms to the console, the log, the bridge and the page.
#pragma once

#include <atomic>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "own_ship/fix.h"
#include "watch/alarm_output.h"
#include "watch/live_board.h"
#include "watch/live_state.h"
#include "watch/watch_round.h"

namespace hurricane::watch {

// The exit status of `--once` when an alarm is raised (1 and 2 are the program's errors).
inline constexpr int kAlarmRaised = 3;

struct WatchRun {
  std::filesystem::path dir;
  WatchSettings settings;
  std::string log;    // the alarm log's file (appended to), empty for none
  bool once = false;  // answer once and return
  // The ship stays at `fixed_ship`, or is where `fixes` says (exactly one of the two).
  std::optional<std::string> fixed_ship;
  own_ship::FixSource* fixes = nullptr;
  std::vector<AlarmOutput*> outputs;
  // The page's side: every changed state posted to `board` as the live JSON, and the
  // acknowledgements asked of it applied; none without a page.
  LiveBoard* board = nullptr;
  bool rounds_shown = true;                 // rounds printed to `out` as they change
  const std::atomic<bool>* stop = nullptr;  // ends the watch when set (or the board closed)
};

// run_watch: the watch until `stop` (or the process) ends it, or one answer with `once` (0, or
// kAlarmRaised when an alarm holds; with live fixes it waits up to a minute for the first).
// Rounds go to `out` when what they show changes; a folder or log that cannot be opened is one
// line on `errors` and status 1, an output that fails one line each time its problem changes.
int run_watch(const WatchRun& run, std::ostream& out, std::ostream& errors);

}  // namespace hurricane::watch
