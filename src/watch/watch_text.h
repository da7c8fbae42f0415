// What the console shows of a round: the plan's lines and the alarm list.
#pragma once

#include <string>
#include <vector>

#include "watch/alarm_book.h"
#include "watch/live_state.h"
#include "watch/watch_round.h"

namespace hurricane::watch {

// The round's block: the advice time and the files advised, each file that cannot be read, the
// plan's lines (or why there is no answer), then the alarms raised.
std::string round_text(const Round& round, const std::vector<Alarm>& alarms);

// The live ship's line: "Ship 25°48.0'N 080°12.0'W, COG 300, SOG 12.0 kn, fix 2003-09-16T12:00:00Z
// (gpsd localhost:2947)", or "Position lost: ..."; nothing for a ship that stays put.
std::string ship_text(const LiveState& state);

// "ALARM raised decide-soon: decide by 14/0300Z" for each event.
std::string event_text(const std::vector<AlarmEvent>& events);

}  // namespace hurricane::watch
