// The watch's live state as the API's JSON document (docs/live.schema.json): what GET /api/live
// answers and the page's live view shows.
#pragma once

#include <string>

#include "watch/live_state.h"

namespace hurricane::watch {

// The version of docs/live.schema.json the document follows; raised whenever a key is added or
// changes its meaning.
inline constexpr int kLiveVersion = 1;

// live_json: "version", "updated", "advice_time", "own_ship", "position_lost", "storms",
// "files_unread", "plan" (the advice document's plan object), "report" (the plan's lines),
// "no_answer", "alarms" and "events", as one line.
std::string live_json(const LiveState& state);

}  // namespace hurricane::watch
