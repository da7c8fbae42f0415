// The HTTP side of the server: the library set up with every limit and header, and the
// requests handed to `respond`.
#pragma once

#include <httplib.h>

#include "server/listen_address.h"
#include "watch/live_board.h"

namespace hurricane::server {

// configure: limits of server/limits.h, the security headers on every answer (errors the
// library writes itself included), every method of every path to `respond`, and a failing
// request answered 500 without harm to the others; the live API's paths to the watch's `board`
// (null: serve stands no watch). Call before binding.
void configure(httplib::Server& server, watch::LiveBoard* board = nullptr);

// bind_server: the configured server bound to `address` (port 0: a free one), with the listen
// queue of limits.h and without SO_REUSEPORT, so a second server on a port in use fails here
// instead of sharing its connections. Returns the port, or -1 when it cannot listen there.
int bind_server(httplib::Server& server, const ListenAddress& address);

}  // namespace hurricane::server
