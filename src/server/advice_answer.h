// POST /api/advice: the body read, the advice formed by the same functions as `advise`, and
// the answer written as its JSON document plus the picture.
#pragma once

#include <string_view>

#include "server/reply.h"

namespace hurricane::server {

// advice_reply: 200 with the advice document and its "svg" (and, for an advisory with a
// forecast, its "chart"), or 400 with {"error": ...}
// naming the field that stopped it.
Reply advice_reply(std::string_view body);

}  // namespace hurricane::server
