// GET /api/live/events: the watch's states as Server-Sent Events, each new post as
// "event: live", "id: SEQUENCE", "data: JSON".
#pragma once

#include <httplib.h>

#include <string_view>

#include "watch/live_board.h"

namespace hurricane::server {

// stream_live: sets `response` to stream from `board`: the latest state at once unless
// `last_event_id` (the reconnecting browser's Last-Event-ID) is it already, then every later
// one; a comment every kLiveKeepAliveSeconds while nothing changes. The stream ends after
// kLiveStreamSeconds, or as soon as the board closes.
void stream_live(const watch::LiveBoard& board, std::string_view last_event_id,
                 httplib::Response& response);

}  // namespace hurricane::server
