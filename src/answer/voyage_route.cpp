#include "answer/voyage_route.h"

#include "route/route_course.h"
#include "situation/position.h"

namespace hurricane::answer {

std::optional<Error> steer_by_route(const VoyageRoute& voyage,
                                    const situation::Situation& situation,
                                    answer::ForecastOptions& options) {
  if (!situation.derived || !situation.derived->ship) return std::nullopt;
  const navigation::LatLon ship = *situation.derived->ship;
  const auto toward = route::course_toward(voyage.route, ship);
  if (!toward) {
    return Error{ErrorKind::kUnusable, Field::kShip, situation::format_position(ship),
                 "is at the last waypoint (" + voyage.route.waypoints.back().name + ") of route " +
                     voyage.file + ": no voyage course leads on; give the course instead",
                 0};
  }
  options.voyage_course_deg = toward->course_deg;
  options.voyage_toward =
      "waypoint " + voyage.route.waypoints[toward->waypoint].name + " of route " + voyage.file;
  return std::nullopt;
}

}  // namespace hurricane::answer
