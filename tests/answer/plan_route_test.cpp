// The plan's route names every turn for what is done there: legs by their number, the resume,
// and the route's waypoints reached after it by their own numbers.
#include "answer/plan_route.h"

#include <gtest/gtest.h>

namespace hurricane::answer {
namespace {

TEST(PlanRoute, EveryTurnIsNamedForWhatIsDoneThere) {
  const plan::Time t0 = *navigation::civil_time(2026, 9, 12, 18, 0);
  const auto at = [&](double h) { return navigation::add_hours(t0, h); };
  plan::Plan plan;
  plan.judged = true;
  // Held 2 h, heave to 6 h, steer 090 to 20 h, resume for waypoint 3 (index 2), reach waypoints
  // 3 and 4, then the destination, and the horizon at 48 h.
  plan.legs = {{0, 0.0, at(2), at(8), {}, {}}, {90, 12.0, at(8), at(20), {}, {}}};
  plan.resume = plan::Resume{45, 2, at(20), {}};
  using Kind = plan::TrackTurn::Kind;
  for (const auto& [kind, h, course, speed] :
       std::vector<std::tuple<Kind, double, int, double>>{{Kind::kStart, 0, 10, 12},
                                                          {Kind::kHeaveTo, 2, 0, 0},
                                                          {Kind::kAlter, 8, 90, 12},
                                                          {Kind::kResume, 20, 45, 12},
                                                          {Kind::kWaypoint, 25.5, 60, 12},
                                                          {Kind::kWaypoint, 30, 80, 12},
                                                          {Kind::kArrived, 40, 0, 0},
                                                          {Kind::kEnd, 47.6, 0, 0}}) {
    plan.track.push_back({kind, at(h), {20.0 + h / 10.0, -60.0}, course, speed});
  }
  const route::Route route = plan_route(plan);
  std::vector<std::string> names;
  for (const route::Waypoint& waypoint : route.waypoints) {
    names.push_back(waypoint.name);
    EXPECT_EQ(waypoint.time, plan.track[names.size() - 1].at);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"START", "HEAVE TO", "ALTER 1", "RESUME", "WPT 3",
                                             "WPT 4", "ARRIVED", "END 48H"}));
  EXPECT_EQ(route.name, "ESCAPE PLAN 12/1800Z");
  // Without a resumed route a change of course names only its place.
  plan.resume.reset();
  EXPECT_EQ(plan_route(plan).waypoints[4].name, "TURN 5");
  // A voyage stopped short of the shore says so.
  plan.track[6].kind = Kind::kStopShort;
  EXPECT_EQ(plan_route(plan).waypoints[6].name, "STOP SHORT");
  EXPECT_TRUE(plan_route(plan::Plan{}).waypoints.empty());
}

}  // namespace
}  // namespace hurricane::answer
