// Advice [F]'s voyage course from a route: toward the waypoint the ship heads for next.
#pragma once

#include <optional>
#include <string>

#include "answer/forecast_options.h"
#include "error/error.h"
#include "route/route.h"
#include "situation/situation.h"

namespace hurricane::answer {

// The route the voyage follows and the file it came from, as texts name it.
struct VoyageRoute {
  route::Route route;
  std::string file;
};

// Sets the voyage course of `options` to the initial great-circle course from the situation's
// ship toward the route's next waypoint (route::next_waypoint), and says which. Without a ship
// it leaves `options` alone ([F] says the ship is needed); a ship already at the route's last
// waypoint has no course to follow: that is the error.
std::optional<Error> steer_by_route(const VoyageRoute& voyage,
                                    const situation::Situation& situation,
                                    answer::ForecastOptions& options);

}  // namespace hurricane::answer
