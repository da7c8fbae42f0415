#include "route/route_course.h"

#include "navigation/geodesic.h"

namespace hurricane::route {

std::optional<std::size_t> next_waypoint(const Route& route, navigation::LatLon ship) {
  if (route.waypoints.empty()) return std::nullopt;
  std::size_t nearest = 0;
  double least = navigation::inverse(ship, route.waypoints[0].position).distance_nm;
  for (std::size_t i = 1; i < route.waypoints.size(); ++i) {
    const double distance = navigation::inverse(ship, route.waypoints[i].position).distance_nm;
    if (distance < least) {
      least = distance;
      nearest = i;
    }
  }
  const std::size_t last = route.waypoints.size() - 1;
  if (nearest < last) return nearest + 1;
  if (least < kArrivedNm) return std::nullopt;
  return last;
}

std::optional<CourseToward> course_toward(const Route& route, navigation::LatLon ship) {
  const auto next = next_waypoint(route, ship);
  if (!next) return std::nullopt;
  const navigation::Leg leg = navigation::inverse(ship, route.waypoints[*next].position);
  return CourseToward{*next, leg.azimuth_from, leg.distance_nm};
}

}  // namespace hurricane::route
