// Decide-by on a storm that stands still, its danger a disc of 100 nm (no error, no margin),
// the ship steaming at 10 kn due east straight for it: none when the voyage passes clear, "now"
// when the ship is already at the edge, the last whole hour before the voyage meets the disc
// otherwise; without a voyage, none.
#include <gtest/gtest.h>

#include "checker.h"
#include "forecast/tracks.h"
#include "plan/voyage_line.h"

namespace hurricane::plan {
namespace {

constexpr LatLon kCentre{25.0, -70.0};

PlanRequest request_at(double miles_west, double dest_north_deg = 0.0) {
  using forecast::testing::equal_radii;
  PlanRequest r;
  r.storms = {forecast::testing::track_of(
      {{0, kCentre, 80, equal_radii(100)}, {72, kCentre, 80, equal_radii(100)}})};
  r.at = r.storms[0].points[0].time;
  r.error.kind = forecast::ErrorModel::Kind::kNone;
  r.ship = testing::rhumb_direct(kCentre, 270.0, miles_west);
  r.speed_kn = 10.0;
  r.voyage.kind = Voyage::Kind::kDestination;
  r.voyage.waypoints = {
      testing::rhumb_direct({kCentre.lat + dest_north_deg, kCentre.lon}, 90.0, 300)};
  return r;
}

double hours_after(const PlanRequest& r, Time t) {
  return forecast::hours_between(r.at, t);
}

TEST(DecideBy, NoneNowOrTheLastHourTheVoyageCanBeHeld) {
  {  // Bound well north of the disc: the voyage itself is clear.
    const PlanRequest r = request_at(150.0, 12.0);
    const Plan plan = make_plan(r);
    EXPECT_TRUE(plan.keeps_clear);
    EXPECT_EQ(plan.decide_by.kind, DecideBy::Kind::kNone);
    EXPECT_TRUE(plan.legs.empty());
    ASSERT_TRUE(plan.holds_voyage_until);
    EXPECT_EQ(*plan.holds_voyage_until, plan.until);
  }
  {  // 101 nm off: an hour on brings it inside; it must turn now.
    const PlanRequest r = request_at(101.5);
    const Plan plan = make_plan(r);
    EXPECT_TRUE(plan.keeps_clear);
    EXPECT_EQ(plan.decide_by.kind, DecideBy::Kind::kNow);
    ASSERT_FALSE(plan.legs.empty());
    EXPECT_EQ(hours_after(r, plan.legs.front().start), 0.0);
    EXPECT_GE(testing::check_plan(r, plan).least_clearance, 0.0);
  }
  {  // 150 nm off: at the edge after 5 h, so held until 4 h at the latest (the search keeps a
     // mile off between its samples); the plan turns by then.
    const PlanRequest r = request_at(150.0);
    const Plan plan = make_plan(r);
    EXPECT_TRUE(plan.keeps_clear);
    ASSERT_EQ(plan.decide_by.kind, DecideBy::Kind::kAt);
    EXPECT_EQ(hours_after(r, plan.decide_by.at), 4.0);
    ASSERT_FALSE(plan.legs.empty());
    EXPECT_LE(hours_after(r, plan.legs.front().start), 4.0);
    const testing::Check check = testing::check_plan(r, plan);
    EXPECT_EQ(check.fault, "");
    EXPECT_GE(check.least_clearance, 0.0);
    // Going round a disc of 100 nm costs little: most of the 720 nm run is made good.
    EXPECT_GT(plan.progress_nm, 400.0);
  }
  {  // Fault pinned: a ship that cannot move had no plan, "no storm forecast"; it stays put.
    PlanRequest r = request_at(150.0);
    r.speed_kn = 0.0;
    const Plan plan = make_plan(r);
    EXPECT_TRUE(plan.judged);
    EXPECT_TRUE(plan.keeps_clear);
    ASSERT_EQ(plan.legs.size(), 1u);
    EXPECT_EQ(plan.legs[0].speed_kn, 0.0);
    EXPECT_NEAR(plan.least_clearance_nm, 50.0, 0.01);
  }
  {  // Without a voyage: one leg held to the horizon, never nearer than at the start.
    PlanRequest r = request_at(150.0);
    r.voyage = {};
    const Plan plan = make_plan(r);
    EXPECT_TRUE(plan.keeps_clear);
    EXPECT_EQ(plan.decide_by.kind, DecideBy::Kind::kNone);
    ASSERT_EQ(plan.legs.size(), 1u);
    EXPECT_EQ(plan.legs[0].end, plan.until);
    EXPECT_NEAR(plan.least_clearance_nm, 50.0, 0.01);
    EXPECT_NEAR(testing::check_plan(r, plan).least_clearance, 50.0, 0.01);
  }
}

}  // namespace
}  // namespace hurricane::plan

namespace hurricane::plan {
namespace {

// Fault pinned: the route's next waypoint was the one that left the least to go, by the
// triangle inequality always the last, so the ship cut across to the end of the route, here
// through a storm that sits on that short cut. The route north then east keeps clear.
TEST(RouteVoyage, HeldWaypointByWaypoint) {
  using forecast::testing::equal_radii;
  const LatLon ship{25.0, -75.0};
  const LatLon turn = testing::rhumb_direct(ship, 0.0, 300.0);
  const LatLon end = testing::rhumb_direct(turn, 90.0, 600.0);
  double cut = 0;
  testing::rhumb_nm(ship, end, &cut);
  const LatLon storm = testing::rhumb_direct(ship, cut, 200.0);
  PlanRequest r;
  r.storms = {forecast::testing::track_of(
      {{0, storm, 80, equal_radii(60)}, {72, storm, 80, equal_radii(60)}})};
  r.at = r.storms[0].points[0].time;
  r.error.kind = forecast::ErrorModel::Kind::kNone;
  r.ship = ship;
  r.speed_kn = 10.0;
  r.voyage.kind = Voyage::Kind::kRoute;
  r.voyage.waypoints = {ship, turn, end};
  const Plan plan = make_plan(r);
  EXPECT_TRUE(plan.keeps_clear);
  EXPECT_TRUE(plan.legs.empty());
  EXPECT_EQ(plan.decide_by.kind, DecideBy::Kind::kNone);
  EXPECT_NEAR(plan.progress_nm, 720.0, 1.0);  // 300 nm north, 420 east
}

}  // namespace
}  // namespace hurricane::plan

namespace hurricane::plan {
namespace {

// Fault pinned: once at its destination the ship steered for "the waypoint after it", none, so
// a plan that sailed on from the destination still counted its whole run as progress (and
// its resume stayed put while the plan said it steered back).
TEST(RouteVoyage, TheDestinationIsNeverPassed) {
  const LatLon start{25.0, -75.0};
  const LatLon dest = testing::rhumb_direct(start, 90.0, 300.0);
  const VoyageLine line(Voyage{Voyage::Kind::kDestination, 0.0, {dest}}, start);
  const LatLon beyond = testing::rhumb_direct(dest, 90.0, 100.0);
  EXPECT_EQ(line.next_waypoint(beyond, 0), 0u);
  EXPECT_EQ(line.next_waypoint(beyond, 1), 0u);
  EXPECT_NEAR(line.progress_nm(beyond, 1), 200.0, 0.5);
}

}  // namespace
}  // namespace hurricane::plan
