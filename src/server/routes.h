// What the server answers: a pure function of the request's method, path and body. The
// HTTP library only carries requests to it and its replies back.
#pragma once

#include <string_view>

#include "server/reply.h"

namespace hurricane::server {

// respond: GET (and HEAD) of the page's files and of /api/health ({"status": "ok", "watch":
// `watching`}, so the page knows whether to show the live watch), POST /api/advice. A path
// outside these is 404, whatever it holds (nothing is ever read from the file system); a known
// path with another method is 405 with its methods in `allow`. Never throws: a failure inside
// is a 500 for this request alone.
Reply respond(std::string_view method, std::string_view path, std::string_view body,
              bool watching = false);

}  // namespace hurricane::server
