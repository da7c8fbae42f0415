// Every plan against the independent check: random ships around the kept storms, and the same
// storms moved beside the Bahamas, the Florida Straits, the Gulf of Mexico and the Lesser
// Antilles, with the shoreline held. A plan said to keep clear has no sample in the danger and
// none nearer the shore than the sea room; its stated least clearance and sea room are the
// check's; one that does not keep clear says which winds it meets.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "checker.h"
#include "land/sea_room.h"
#include "situations.h"

namespace hurricane::plan {
namespace {

forecast::StormTrack moved(forecast::StormTrack track, double dlat, double dlon) {
  for (forecast::TrackPoint& p : track.points)
    p.centre = {p.centre.lat + dlat, p.centre.lon + dlon};
  return track;
}

// Situations to run: PLAN_SITUATIONS in the environment for a long run, else 48.
int situations() {
  const char* given = std::getenv("PLAN_SITUATIONS");
  return given ? std::atoi(given) : 48;
}

TEST(Safety, PlansAroundRealStormsPassTheIndependentCheck) {
  const std::vector<forecast::StormTrack> kept = testing::kept_tracks();
  // Where the storms are moved to: their analysis centre lands there.
  const std::vector<LatLon> coasts = {{24.5, -76.0}, {24.0, -80.5}, {25.0, -88.0}, {15.0, -59.0}};
  std::mt19937 random(2031);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  int clear = 0, with_legs = 0, near_shore = 0;
  const int n = situations();
  for (int i = 0; i < n; ++i) {
    forecast::StormTrack track = kept[static_cast<std::size_t>(i) % 3];  // the Atlantic ones
    if (i % 2 == 1) {
      const LatLon to = coasts[static_cast<std::size_t>(i / 2) % coasts.size()];
      const LatLon at = track.points.front().centre;
      track = moved(track, to.lat - at.lat, to.lon - at.lon);
    }
    const LatLon centre = track.points.front().centre;
    const LatLon ship =
        testing::rhumb_direct(centre, 360.0 * unit(random), 200.0 + 450.0 * unit(random));
    PlanRequest request = testing::request_for(track, ship, 10.0 + 8.0 * unit(random));
    request.land = &testing::shoreline();
    if (i % 5 != 4) {
      request.voyage.kind = Voyage::Kind::kDestination;
      request.voyage.waypoints = {
          testing::rhumb_direct(ship, 360.0 * unit(random), 300.0 + 600.0 * unit(random))};
    }
    if (testing::shoreline().on_land(ship.lat, ship.lon)) continue;
    const Plan plan = make_plan(request);
    ASSERT_TRUE(plan.judged) << i;
    const testing::Check check = testing::check_plan(request, plan);
    EXPECT_EQ(check.fault, "") << i;
    // Clear or not, a plan keeps the sea room it states, reduced only to keep clear.
    EXPECT_GE(check.least_sea_room, kept_sea_room_nm(plan) - 0.15) << i;
    EXPECT_TRUE(!plan.reduced_sea_room_nm || plan.keeps_clear) << i;
    if (plan.keeps_clear) {
      ++clear;
      with_legs += plan.legs.empty() ? 0 : 1;
      EXPECT_GE(check.least_clearance, -1e-6) << i;
      EXPECT_NEAR(plan.least_clearance_nm, check.least_clearance, 0.05) << i;
      if (plan.least_sea_room_nm && *plan.least_sea_room_nm < 25.0) {
        ++near_shore;
        // The plan's is along the whole track (pieces that reach into the destination's room
        // included), the check's at its samples outside that room: never more than it.
        EXPECT_LE(*plan.least_sea_room_nm, check.least_sea_room + 0.3) << i;
      }
    } else {
      EXPECT_LT(check.least_clearance, 0.0) << i;
      EXPECT_EQ(plan.decide_by.kind, DecideBy::Kind::kNow) << i;
    }
  }
  // The situations are varied: most keep clear, many by altering, some pass near a shore.
  EXPECT_GE(clear, n / 2);
  EXPECT_GE(with_legs, n / 6);
  EXPECT_GE(near_shore, n / 12);
}

// Ships starting within the sea room of a shore (among the Bahamas, off Antigua, the Florida
// Keys and Cuba's north coast), a storm some hundreds of miles off, bound every way: half of
// them straight off the shore. The voyage may leave such a start but comes no nearer the shore
// than the ship starts, and stops short only where its line does; the checker holds both. Bound
// off the shore, the voyage is never stopped where it starts.
TEST(Safety, ShipsStartingNearAShoreGetUnderWayAndNeverCreepNearer) {
  const land::Land& shore = testing::shoreline();
  auto offing = [&](LatLon p) {
    const auto near = land::shore_within(shore, p.lat, p.lon, p.lat, p.lon, 30.0);
    return near ? near->distance_nm : 30.0;
  };
  const std::vector<forecast::StormTrack> kept = testing::kept_tracks();
  const std::vector<LatLon> coasts = {{24.5, -76.5}, {17.1, -61.8}, {24.6, -81.0}, {23.2, -81.5}};
  std::mt19937 random(1904);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  int held_off_shore = 0;
  const int n = situations() / 2;
  for (int i = 0; i < n; ++i) {
    const LatLon coast = coasts[static_cast<std::size_t>(i) % coasts.size()];
    LatLon ship;
    for (int tries = 0;; ++tries) {
      ASSERT_LT(tries, 1000);
      ship = {coast.lat + 0.8 * unit(random) - 0.4, coast.lon + 0.8 * unit(random) - 0.4};
      if (!shore.on_land(ship.lat, ship.lon) && offing(ship) > 1.0 && offing(ship) < 10.0) break;
    }
    double bound = 360.0 * unit(random);
    const bool off_shore = i % 2 == 0;
    for (int b = 0; off_shore && b < 360; b += 10) {
      if (offing(testing::rhumb_direct(ship, b, 8.0)) >
          offing(testing::rhumb_direct(ship, bound, 8.0))) {
        bound = b;
      }
    }
    forecast::StormTrack track = kept[static_cast<std::size_t>(i) % 3];
    const LatLon centre =
        testing::rhumb_direct(ship, 360.0 * unit(random), 250.0 + 400.0 * unit(random));
    const LatLon at = track.points.front().centre;
    track = moved(track, centre.lat - at.lat, centre.lon - at.lon);
    PlanRequest request = testing::request_for(track, ship, 12.0);
    request.land = &shore;
    request.voyage.kind = Voyage::Kind::kDestination;
    request.voyage.waypoints = {testing::rhumb_direct(ship, bound, 600.0)};
    const Plan plan = make_plan(request);
    const testing::Check check = testing::check_plan(request, plan);
    EXPECT_EQ(check.fault, "") << i;
    EXPECT_GE(check.least_sea_room, kept_sea_room_nm(plan) - 0.15) << i;
    // Bound the same way as a course, the progress stated is what the track makes good along it,
    // or less only where the course meets the shore.
    PlanRequest along = request;
    along.voyage = Voyage{};
    along.voyage.kind = Voyage::Kind::kCourse;
    along.voyage.course_deg = bound;
    const Plan course_plan = make_plan(along);
    double run_course = 0.0;
    const double run = testing::rhumb_nm(ship, course_plan.track.back().position, &run_course);
    const double made_good = run * std::cos((run_course - bound) * testing::kRad);
    EXPECT_LE(course_plan.progress_nm, made_good + 1.0) << i;
    if (course_plan.progress_nm < made_good - 1.0) {
      EXPECT_TRUE(course_plan.short_of_land) << i;
      EXPECT_LT(made_good - course_plan.progress_nm, 6.0 * 12.0) << i;
    }
    if (!off_shore || !plan.keeps_clear || !plan.holds_voyage_until) continue;
    ++held_off_shore;
    EXPECT_FALSE(plan.short_of_land && plan.short_of_land->at == request.at) << i;
  }
  EXPECT_GE(held_off_shore, n / 8);
}

// A course that meets an island a few hours on: 5 nm off Antigua bound north, Barbuda 20 nm
// ahead, the storm far away. A leg round the island and the course resumed beyond it is the
// voyage's progress, nearly the whole run of 72 h.
TEST(Safety, ACourseBlockedByAnIslandGoesRoundIt) {
  forecast::StormTrack track = testing::kept_tracks()[0];
  const LatLon at = track.points.front().centre;
  track = moved(track, 30.0 - at.lat, -30.0 - at.lon);
  PlanRequest request = testing::request_for(track, {17.1474, -62.0}, 12.0);
  request.land = &testing::shoreline();
  request.voyage.kind = Voyage::Kind::kCourse;
  request.voyage.course_deg = 0.0;
  const Plan plan = make_plan(request);
  EXPECT_TRUE(plan.keeps_clear);
  EXPECT_FALSE(plan.legs.empty());
  EXPECT_GT(plan.progress_nm, 0.9 * 12.0 * 72.0);
}

}  // namespace
}  // namespace hurricane::plan
