#include "answer/plan_route.h"

#include <cmath>
#include <string>

#include "navigation/utc_time.h"

namespace hurricane::answer {
namespace {

// Counts of what the route has named so far, for the numbers in the names.
struct Named {
  std::size_t alterations = 0;
  std::size_t waypoints = 0;  // of the route, reached since the resume
};

// The name of turn `i` of the plan's track, by its kind.
std::string turn_name(const plan::Plan& plan, std::size_t i, Named& named) {
  const plan::TrackTurn& turn = plan.track[i];
  using Kind = plan::TrackTurn::Kind;
  switch (turn.kind) {
    case Kind::kStart:
      return "START";
    case Kind::kEnd:
      return "END " +
             std::to_string(
                 std::lround(navigation::hours_between(plan.track.front().at, turn.at))) +
             "H";
    case Kind::kAlter:
      return "ALTER " + std::to_string(++named.alterations);
    case Kind::kHeaveTo:
      return "HEAVE TO";
    case Kind::kResume:
      return "RESUME";
    case Kind::kArrived:
      return "ARRIVED";
    case Kind::kStopShort:
      return "STOP SHORT";
    case Kind::kWaypoint:
      break;
  }
  // Past the resume the route's waypoints are reached in order from the one first steered for.
  if (plan.resume && plan.resume->waypoint && turn.at > plan.resume->start) {
    return "WPT " + std::to_string(*plan.resume->waypoint + 1 + named.waypoints++);
  }
  return "TURN " + std::to_string(i + 1);
}

}  // namespace

route::Route plan_route(const plan::Plan& plan) {
  route::Route route{"ESCAPE PLAN", {}};
  if (!plan.judged || plan.track.empty()) return route;
  route.name += ' ' + navigation::format_day_time(plan.track.front().at);
  Named named;
  for (std::size_t i = 0; i < plan.track.size(); ++i) {
    const plan::TrackTurn& turn = plan.track[i];
    route.waypoints.push_back({turn_name(plan, i, named), turn.position, turn.at});
  }
  return route;
}

}  // namespace hurricane::answer
