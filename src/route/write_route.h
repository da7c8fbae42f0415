// A route as the files chart plotters (GPX) and ECDIS (RTZ) load.
#pragma once

#include <string>

#include "route/route.h"

namespace hurricane::route {

// GPX 1.1: one `rte` of named `rtept`s, each with its `time` when known.
std::string gpx_text(const Route& route);

// RTZ 1.1: the waypoints, and a calculated schedule of their ETAs when any time is known.
std::string rtz_text(const Route& route);

}  // namespace hurricane::route
