// What the watch knows at one moment, as the page and the API show it: the own ship's fix (or
// why the position is lost), the round answered for it, and the alarms raised.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "own_ship/fix.h"
#include "watch/alarm_book.h"
#include "watch/watch_round.h"

namespace hurricane::watch {

struct LiveState {
  std::optional<own_ship::Fix> own_ship;  // the fix the round was answered for
  std::string fix_source;                 // "gpsd localhost:2947", "signalk ...", "fixed"
  std::string position_lost;              // why the position is lost; empty while it is good
  std::optional<Round> round;             // none before the first answer
  std::vector<Alarm> alarms;              // raised, in the order raised
  std::vector<AlarmEvent> events;         // the latest raisings, clearings and
                                          // acknowledgements, oldest first (at most 50)
  UtcTime updated{};                      // the clock's UTC time of this state
};

}  // namespace hurricane::watch
