#include "answer/plan_for.h"

namespace hurricane::answer {

std::optional<plan::Plan> plan_for(const ForecastOutcome& outcome,
                                   const situation::Situation& situation,
                                   const ForecastOptions& options,
                                   const std::optional<VoyageRoute>& route,
                                   const land::Land* shoreline) {
  if (!outcome.advice || outcome.tracks.empty() || !situation.derived || !situation.derived->ship ||
      !situation.derived->storm_time) {
    return std::nullopt;
  }
  plan::PlanRequest request;
  request.at = *situation.derived->storm_time;
  request.ship = {situation.derived->ship->lat, situation.derived->ship->lon};
  request.speed_kn = situation.answers.vship0;
  request.horizon_h = options.horizon_h;
  request.storms = outcome.tracks;
  request.error = outcome.advice->error;  // the first storm's, as [F] judged it
  for (const forecast::StormSummary& storm : outcome.advice->storms) {
    request.storm_tables.push_back(storm.error.table);
  }
  request.avoid_kt = options.avoid_kt;
  request.sea_room_nm = options.sea_room_nm;
  request.land = shoreline;
  if (options.plan_to) {
    request.voyage.kind = plan::Voyage::Kind::kDestination;
    request.voyage.waypoints = {*options.plan_to};
  } else if (route) {
    request.voyage.kind = plan::Voyage::Kind::kRoute;
    for (const route::Waypoint& w : route->route.waypoints) {
      request.voyage.waypoints.push_back(w.position);
    }
  } else if (options.voyage_course_deg) {
    request.voyage.kind = plan::Voyage::Kind::kCourse;
    request.voyage.course_deg = *options.voyage_course_deg;
  }
  return plan::make_plan(request);
}

}  // namespace hurricane::answer
