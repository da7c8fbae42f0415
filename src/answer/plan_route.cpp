#include "answer/plan_route.h"

#include <cmath>
#include <string>

#include "navigation/utc_time.h"

namespace hurricane::answer {
namespace {

// What the turn `i` of the plan's track is: its name, counting the waypoints reached along the
// resumed route in `reached`.
std::string turn_name(const plan::Plan& plan, std::size_t i, std::size_t& reached) {
  const std::vector<plan::TrackTurn>& track = plan.track;
  const plan::TrackTurn& turn = track[i];
  if (i == 0) return "START";
  if (i + 1 == track.size()) {
    const double hours = navigation::hours_between(track.front().at, turn.at);
    return "END " + std::to_string(std::lround(hours)) + "H";
  }
  for (std::size_t leg = 0; leg < plan.legs.size(); ++leg) {
    if (plan.legs[leg].start != turn.at) continue;
    return plan.legs[leg].speed_kn <= 0.0 ? "HEAVE TO" : "ALTER " + std::to_string(leg + 1);
  }
  if (plan.resume && plan.resume->start == turn.at) return "RESUME";
  if (turn.speed_kn <= 0.0) return "ARRIVED";
  // Past the resume the route's waypoints are reached in order from the one first steered for.
  if (plan.resume && plan.resume->waypoint && turn.at > plan.resume->start) {
    return "WPT " + std::to_string(*plan.resume->waypoint + 1 + reached++);
  }
  return "TURN " + std::to_string(i + 1);
}

}  // namespace

route::Route plan_route(const plan::Plan& plan) {
  route::Route route{"ESCAPE PLAN", {}};
  if (!plan.judged || plan.track.empty()) return route;
  route.name += ' ' + navigation::format_day_time(plan.track.front().at);
  std::size_t reached = 0;
  for (std::size_t i = 0; i < plan.track.size(); ++i) {
    const plan::TrackTurn& turn = plan.track[i];
    route.waypoints.push_back({turn_name(plan, i, reached), turn.position, turn.at});
  }
  return route;
}

}  // namespace hurricane::answer
