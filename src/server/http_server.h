// The HTTP side of the server: the library set up with every limit and header, and the
// requests handed to `respond`.
#pragma once

#include <httplib.h>

namespace hurricane::server {

// configure: limits of server/limits.h, the security headers on every answer (errors the
// library writes itself included), every method of every path to `respond`, and a failing
// request answered 500 without harm to the others. Call before binding.
void configure(httplib::Server& server);

}  // namespace hurricane::server
