// The watch's live state over the API: GET /api/live and POST /api/live/ack. The stream of
// states (GET /api/live/events) is live_stream.h's.
#pragma once

#include <optional>
#include <string_view>

#include "server/reply.h"
#include "watch/live_board.h"

namespace hurricane::server {

inline constexpr std::string_view kLivePath = "/api/live";
inline constexpr std::string_view kLiveEventsPath = "/api/live/events";
inline constexpr std::string_view kLiveAckPath = "/api/live/ack";

// live_route: the answer for a path of the live API, or none for another path. `board` is null
// when serve stands no watch: every live path is then 404. GET /api/live: the latest state, 503
// before the first. POST /api/live/ack {"kind", "subject"}: 400 naming the field that cannot be
// used, 404 for an alarm the latest state does not hold, else 202 (the watch applies it).
std::optional<Reply> live_route(std::string_view method, std::string_view path,
                                std::string_view body, watch::LiveBoard* board);

}  // namespace hurricane::server
