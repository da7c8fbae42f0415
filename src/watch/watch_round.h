// One answer of the watch: the folder's advisories advised together at the advice time, and the
// alarm conditions that hold then.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "answer/answer.h"
#include "watch/advisory_folder.h"
#include "watch/alarm_book.h"

namespace hurricane::watch {

struct WatchSettings {
  // The ship's speed, the plan's options and the shoreline as `advise` builds them; the watch
  // adds the advisories, the ship's position and the advice time each round.
  answer::Request base;
  std::optional<std::string> at;  // the advice time as --at gives it; none: the clock's "now"
  double alarm_hours = 24.0;      // how far ahead holding the voyage is watched
};

// How near the decide-by must come to raise its alarm.
inline constexpr double kDecideSoonH = 6.0;
// How late past its announced next advisory an advisory is overdue.
inline constexpr double kOverdueAfterH = 1.0;

struct Round {
  UtcTime advice_time{};
  FolderAdvisories folder;
  std::vector<std::string> advised_files;  // the files of the storms advised, in order
  std::optional<answer::Answer> answer;
  std::optional<std::string> no_answer;  // why there is no answer, when there is none
  std::vector<Condition> conditions;     // the alarms that hold
};

// make_round: the answer for `folder` with the ship at `ship`, at the advice time (`now` unless
// the settings give one). Storms too old to advise on are left out, each with its alarm; the
// storm of the latest fix is the classic advice's.
Round make_round(const WatchSettings& settings, const std::string& ship, FolderAdvisories folder,
                 UtcTime now);

}  // namespace hurricane::watch
