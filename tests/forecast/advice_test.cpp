#include "forecast/advice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "forecast/tracks.h"

namespace hurricane::forecast {
namespace {

using testing::equal_radii;
using testing::track_of;

std::array<Passage, kCourses> clearances(const std::vector<std::pair<int, int>>& open) {
  std::array<Passage, kCourses> passages{};
  for (Passage& p : passages) p.clearance_nm = -1;
  for (const auto& [first, last] : open) {
    const int count = (last - first + 360) % 360 + 1;
    for (int step = 0; step < count; ++step) {
      passages[static_cast<std::size_t>((first + step) % 360)].clearance_nm = 5;
    }
  }
  return passages;
}

TEST(OpenRanges, ClockwiseThroughNorth) {
  const auto ranges = open_ranges(clearances({{350, 10}, {100, 120}}));
  ASSERT_EQ(ranges.size(), 2u);
  EXPECT_EQ(ranges[0].first, 100);
  EXPECT_EQ(ranges[0].last, 120);
  EXPECT_EQ(ranges[1].first, 350);
  EXPECT_EQ(ranges[1].last, 10);
  EXPECT_TRUE(open_ranges(clearances({})).empty());
  const auto all = open_ranges(clearances({{0, 359}}));
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].last, 359);
}

SweepRequest request_for(LatLon ship) {
  SweepRequest request;
  request.at = testing::analysis_time();
  request.ship = ship;
  request.speed_kn = 12;
  request.horizon_h = 24;
  request.error.kind = ErrorModel::Kind::kNone;
  return request;
}

// A stationary storm due south: every course but those toward it is open; with a voyage
// course toward the storm an open course near it is recommended (ForecastChoice pins which).
TEST(ForecastAdvice, RecommendsNearestOpenCourse) {
  const StormTrack storm =
      track_of({{0, {20, -60}, 80, equal_radii(100)}, {24, {20, -60}, 80, equal_radii(100)}});
  const ForecastAdvice away = advise_forecast({storm}, request_for({23, -60}), std::nullopt);
  ASSERT_TRUE(away.recommended);
  EXPECT_FALSE(away.none_open);
  // Every course leading away keeps its least clearance at the start: any of them will do.
  EXPECT_NEAR(away.recommended->passage.clearance_nm, away.sweep.stay.clearance_nm, 1e-6);
  EXPECT_EQ(away.recommended->passage.min_at_h, 0.0);
  const ForecastAdvice voyage = advise_forecast({storm}, request_for({23, -60}), 180.0);
  ASSERT_TRUE(voyage.recommended);
  EXPECT_GE(voyage.recommended->passage.clearance_nm, 0);
}

// A ship inside a large storm with no way out at full speed: none open, the course with the
// largest least clearance, and the winds it meets.
TEST(ForecastAdvice, NoneOpenSaysWhichWinds) {
  StormTrack storm =
      track_of({{0, {20, -60}, 120, equal_radii(300)}, {24, {20, -60}, 120, equal_radii(300)}});
  storm.points[0].radii[2] = equal_radii(60);
  storm.points[1].radii[2] = equal_radii(60);
  const ForecastAdvice advice = advise_forecast({storm}, request_for({20.5, -60}), std::nullopt);
  EXPECT_TRUE(advice.none_open);
  ASSERT_TRUE(advice.recommended);
  EXPECT_LT(advice.recommended->passage.clearance_nm, 0);
  EXPECT_EQ(advice.recommended->passage.wind_kt, 64);
  EXPECT_EQ(advice.recommended->passage.wind_at_h, 0.0);
  EXPECT_EQ(advice.sweep.stay.enters_at_h, 0.0);
}

// Land closes a course whatever its clearance; with none open, the least bad course keeps off
// land while some course does.
TEST(ForecastAdvice, LandClosesCoursesAndSteersTheLeastBadOffIt) {
  const StormTrack storm =
      track_of({{0, {20, -60}, 80, equal_radii(100)}, {24, {20, -60}, 80, equal_radii(100)}});
  const ForecastAdvice open_sea = advise_forecast({storm}, request_for({23, -60}), std::nullopt);
  ASSERT_TRUE(open_sea.recommended);
  LandHours land{};
  // Land 5 h ahead on every course from 300 through north to 060, at every speed.
  for (auto& speed : land) {
    for (int c = 300; c != 61; c = (c + 1) % 360) speed[static_cast<std::size_t>(c)] = 5.0;
  }
  const ForecastAdvice ashore =
      advise_forecast({storm}, request_for({23, -60}), std::nullopt, &land);
  EXPECT_TRUE(ashore.land_checked);
  EXPECT_FALSE(open_sea.land_checked);
  for (const CourseRange& range : ashore.open[0]) {
    for (int c = range.first;; c = (c + 1) % 360) {
      EXPECT_FALSE(land[0][static_cast<std::size_t>(c)]) << c;
      if (c == range.last) break;
    }
  }
  ASSERT_TRUE(ashore.recommended);
  EXPECT_FALSE(ashore.recommended->passage.land_at_h);

  // Inside a storm with no way out: the least bad course is one without land.
  StormTrack big =
      track_of({{0, {20, -60}, 120, equal_radii(300)}, {24, {20, -60}, 120, equal_radii(300)}});
  const ForecastAdvice trapped = advise_forecast({big}, request_for({20.5, -60}), std::nullopt);
  ASSERT_TRUE(trapped.recommended);
  LandHours on_best{};
  for (auto& speed : on_best)
    speed[static_cast<std::size_t>(trapped.recommended->course_deg)] = 1.0;
  const ForecastAdvice kept_off =
      advise_forecast({big}, request_for({20.5, -60}), std::nullopt, &on_best);
  ASSERT_TRUE(kept_off.recommended);
  EXPECT_TRUE(kept_off.none_open);
  EXPECT_NE(kept_off.recommended->course_deg, trapped.recommended->course_deg);
  EXPECT_FALSE(kept_off.recommended->passage.land_at_h);
}

// Each storm is judged with its own cone table, not the first storm's: a stationary storm with
// no winds 300 nm south of a ship that stays put over 24 h leaves it 300 - e(24 h) nm clear.
TEST(ForecastAdvice, EachStormIsJudgedWithItsOwnConeTable) {
  const auto table = [](const char* basin, double at_24h) {
    ConeTable t{basin, 2024, {}};
    t.radii_nm.fill(at_24h);
    return t;
  };
  const auto still = [](LatLon centre, const char* id) {
    StormTrack storm =
        track_of({{0, centre, 30, equal_radii(0)}, {24, centre, 30, equal_radii(0)}});
    storm.storm_id = id;
    return storm;
  };
  const LatLon ship{20, -60};
  const StormTrack near = still({15, -60}, "EP012024");  // 300 nm south (5 degrees of arc)
  const StormTrack far = still({-20, 60}, "AL012024");   // the far side of the earth
  SweepRequest request = request_for(ship);
  request.error.kind = ErrorModel::Kind::kCone;
  request.error.table = table("AL", 40);
  const ForecastAdvice shared = advise_forecast({far, near}, request, std::nullopt);
  const double distance = 300.0 - shared.sweep.stay.clearance_nm - 40.0;
  EXPECT_NEAR(distance, 0.0, 1.5);  // 5 degrees of latitude here is 299.6 nm on the ellipsoid
  EXPECT_EQ(shared.sweep.stay.storm, 1u);

  request.storm_tables = {table("AL", 40), table("EP", 80)};
  const ForecastAdvice own = advise_forecast({far, near}, request, std::nullopt);
  EXPECT_NEAR(own.sweep.stay.clearance_nm, shared.sweep.stay.clearance_nm - 40.0, 1e-6);
  EXPECT_EQ(own.sweep.stay.storm, 1u);
  ASSERT_EQ(own.storms.size(), 2u);
  EXPECT_EQ(own.storms[0].error.table.basin, "AL");
  EXPECT_EQ(own.storms[1].error.table.basin, "EP");
  EXPECT_EQ(own.storms[1].error.table.radii_nm[1], 80.0);
  EXPECT_EQ(own.error.table.basin, "AL");  // the first storm's, as before
}

// The courses land shuts at full speed, as ranges through north where they wrap; land met only
// at a lower speed shuts no full-speed course.
TEST(ForecastAdvice, LandClosedRangesAreTheCoursesLandShutsAtFullSpeed) {
  const StormTrack storm =
      track_of({{0, {20, -60}, 80, equal_radii(100)}, {24, {20, -60}, 80, equal_radii(100)}});
  EXPECT_TRUE(advise_forecast({storm}, request_for({23, -60}), std::nullopt).land_closed.empty());
  LandHours land{};
  for (int c = 300; c != 61; c = (c + 1) % 360) land[0][static_cast<std::size_t>(c)] = 5.0;
  land[0][120] = 20.0;
  land[2][170] = 3.0;  // half speed only
  const ForecastAdvice ashore =
      advise_forecast({storm}, request_for({23, -60}), std::nullopt, &land);
  ASSERT_EQ(ashore.land_closed.size(), 2u);
  EXPECT_EQ(ashore.land_closed[0].first, 120);
  EXPECT_EQ(ashore.land_closed[0].last, 120);
  EXPECT_EQ(ashore.land_closed[1].first, 300);
  EXPECT_EQ(ashore.land_closed[1].last, 60);

  LandHours everywhere{};
  for (auto& hour : everywhere[0]) hour = 10.0;
  const ForecastAdvice island =
      advise_forecast({storm}, request_for({23, -60}), std::nullopt, &everywhere);
  ASSERT_EQ(island.land_closed.size(), 1u);
  EXPECT_EQ(island.land_closed[0].first, 0);
  EXPECT_EQ(island.land_closed[0].last, 359);
  EXPECT_TRUE(island.open[0].empty());
}

StormTrack still_storm(double radius_nm, double hours = 24) {
  return track_of(
      {{0, {20, -60}, 80, equal_radii(radius_nm)}, {hours, {20, -60}, 80, equal_radii(radius_nm)}});
}

// Fault: a ship inside was given the lowest-numbered of the courses tied at hour 0. Now the
// course out soonest: straight away from the centre, out after (radius - distance) / speed.
TEST(ForecastChoice, InsideTheShipTakesTheCourseOutSoonest) {
  const LatLon ship{19.6, -59.6};  // south-east of the centre, inside the 100-nm circle
  const ForecastAdvice advice = advise_forecast({still_storm(100)}, request_for(ship), 0.0);
  ASSERT_TRUE(advice.starts_inside && advice.recommended);
  const Recommendation& r = *advice.recommended;
  EXPECT_EQ(r.choice, Choice::kLeavesSoonest);
  EXPECT_NEAR(r.course_deg, 137, 3);  // the rhumb bearing away from the centre
  ASSERT_TRUE(r.passage.leaves_at_h);
  for (const Passage& p : advice.sweep.passages[0]) {
    EXPECT_GE(p.leaves_at_h.value_or(1e9), *r.passage.leaves_at_h);
  }
  EXPECT_NEAR(*r.passage.leaves_at_h, (100 - 33.4) / 12, 0.2);
}

// Fault: the course out soonest was taken however deep it went. Ahead of a storm running west
// at 15 kn, east is the soonest way out but runs over the centre; the choice goes least deep
// first (within 0.5 nm), and only then soonest out.
TEST(ForecastChoice, InsideTheWayOutGoesLeastDeepBeforeSoonest) {
  const double west_deg = 360.0 / (60.0 * std::cos(20.0 * std::numbers::pi / 180.0));
  const StormTrack running = track_of(
      {{0, {20, -60}, 80, equal_radii(100)}, {24, {20, -60 - west_deg}, 80, equal_radii(100)}});
  const LatLon ship{20, -60 - west_deg / 6};  // 60 nm ahead of the centre
  const ForecastAdvice advice = advise_forecast({running}, request_for(ship), std::nullopt);
  ASSERT_TRUE(advice.starts_inside && advice.recommended);
  const Recommendation& r = *advice.recommended;
  EXPECT_EQ(r.choice, Choice::kLeavesSoonest);
  double least_deep = -1e9;
  for (const Passage& p : advice.sweep.passages[0])
    least_deep = std::max(least_deep, p.clearance_nm);
  EXPECT_GE(r.passage.clearance_nm, least_deep - 0.5);
  const Passage& east = advice.sweep.passages[0][90];
  ASSERT_TRUE(east.leaves_at_h && r.passage.leaves_at_h);
  EXPECT_LT(*east.leaves_at_h, *r.passage.leaves_at_h);  // out sooner, but over the centre
  EXPECT_LT(east.clearance_nm, r.passage.clearance_nm - 30.0);
}

// Fault: outside, ties at the start went to course 000. Every course leading away from a storm
// due west keeps its least clearance at the start: the tie goes to the most clearance on
// average, straight away east.
TEST(ForecastChoice, TiedLeastClearanceGoesToTheMostOnAverage) {
  const ForecastAdvice advice =
      advise_forecast({still_storm(100)}, request_for({20, -57}), std::nullopt);
  ASSERT_TRUE(advice.recommended);
  EXPECT_EQ(advice.recommended->choice, Choice::kMostClearance);
  EXPECT_NEAR(advice.recommended->course_deg, 90, 2);
}

// Fault: with --course the edge of the open window was named though a course a few degrees
// further kept more clearance. The choice stays within 10 degrees of the nearest open course
// and no course there keeps more than 0.5 nm more.
TEST(ForecastChoice, VoyageCourseTakesMoreClearanceWithinTenDegrees) {
  const ForecastAdvice advice = advise_forecast({still_storm(100)}, request_for({20, -57}), 260.0);
  ASSERT_TRUE(advice.recommended);
  const Recommendation& r = *advice.recommended;
  EXPECT_EQ(r.choice, Choice::kNearVoyage);
  int nearest = 180;
  const auto& full = advice.sweep.passages[0];
  for (int c = 0; c < 360; ++c) {
    if (shut_by(full[static_cast<std::size_t>(c)]) == ShutBy::kOpen) {
      nearest = std::min(nearest, course_difference(c, 260));
    }
  }
  EXPECT_GT(course_difference(r.course_deg, 260), nearest);  // not the window's edge
  EXPECT_LE(course_difference(r.course_deg, 260), nearest + 10);
  for (int c = 0; c < 360; ++c) {
    const Passage& p = full[static_cast<std::size_t>(c)];
    if (shut_by(p) != ShutBy::kOpen || course_difference(c, 260) > nearest + 10) continue;
    EXPECT_LE(p.clearance_nm, r.passage.clearance_nm + 0.5) << c;
  }
}

// Fault: land shutting every full-speed course was worded as the danger area and a least-bad
// course named while slower speeds and staying put were open. Why each course is shut is
// recorded, and the slower speed, then staying put, comes before a least-bad course.
TEST(ForecastChoice, ShutByLandOffersTheSlowerSpeedThenStayingPut) {
  const SweepRequest request = request_for({23, -60});
  LandHours land{};
  for (auto& hour : land[0]) hour = 5.0;
  const ForecastAdvice slower = advise_forecast({still_storm(100)}, request, std::nullopt, &land);
  EXPECT_TRUE(slower.none_open);
  ASSERT_EQ(slower.shut[0].size(), 2u);  // land alone, and land with the danger area to the south
  for (const ShutRange& run : slower.shut[0]) {
    EXPECT_NE(run.by, ShutBy::kDanger);
    EXPECT_EQ(run.by == ShutBy::kBoth, run.courses.first <= 180 && 180 <= run.courses.last);
  }
  ASSERT_TRUE(slower.recommended);
  EXPECT_EQ(slower.recommended->speed_index, 1u);
  EXPECT_EQ(slower.recommended->speed_kn, 9.0);
  EXPECT_FALSE(slower.recommended->stay_put);

  for (auto& speed : land) speed.fill(5.0);
  const ForecastAdvice stay = advise_forecast({still_storm(100)}, request, std::nullopt, &land);
  ASSERT_TRUE(stay.recommended && stay.stay_open);
  EXPECT_EQ(stay.recommended->choice, Choice::kStayPut);
  EXPECT_TRUE(stay.recommended->stay_put);
}

// Fault: land was held over the requested horizon while the storm ended at 12 h. Landfall after
// the judged window shuts nothing.
TEST(ForecastChoice, LandIsJudgedOverTheStormsWindow) {
  LandHours land{};
  land[0][10] = 11.0;
  land[0][20] = 13.0;
  const ForecastAdvice advice =
      advise_forecast({still_storm(100, 12)}, request_for({23, -60}), std::nullopt, &land);
  EXPECT_DOUBLE_EQ(advice.sweep.horizon_h, 12);
  EXPECT_TRUE(advice.sweep.passages[0][10].land_at_h);
  EXPECT_FALSE(advice.sweep.passages[0][20].land_at_h);
  ASSERT_EQ(advice.land_closed.size(), 1u);
  EXPECT_EQ(advice.land_closed[0].first, 10);
}

// Fault: a ship with no speed was given "course 000". Only staying put is judged.
TEST(ForecastChoice, AShipThatCannotMoveGetsNoCourse) {
  SweepRequest request = request_for({23, -60});
  request.speed_kn = 0;
  const ForecastAdvice advice = advise_forecast({still_storm(100)}, request, 90.0);
  ASSERT_TRUE(advice.cannot_move && advice.recommended);
  EXPECT_EQ(advice.recommended->choice, Choice::kCannotMove);
  EXPECT_TRUE(advice.recommended->stay_put);
  EXPECT_FALSE(advice.none_open);
  for (const auto& open : advice.open) EXPECT_TRUE(open.empty());
}

// Fault: disagreement was claimed for a classic course beside an open one, and when nothing
// was open at all. Only a shut course more than 10 degrees from every open one disagrees.
TEST(ForecastChoice, ClassicDisagreesOnlyWhenFarFromEveryOpenCourse) {
  ForecastAdvice advice = advise_forecast({still_storm(100)}, request_for({23, -60}), std::nullopt);
  const auto& full = advice.sweep.passages[0];
  int edge = 90;  // the first shut course clockwise from east
  while (shut_by(full[static_cast<std::size_t>(edge)]) == ShutBy::kOpen) ++edge;
  compare_with_classic(advice, edge + 3);
  EXPECT_EQ(advice.classic_shut_by, ShutBy::kDanger);
  EXPECT_FALSE(advice.disagrees_with_classic);
  compare_with_classic(advice, 180);
  EXPECT_TRUE(advice.disagrees_with_classic);
  compare_with_classic(advice, 45);
  EXPECT_EQ(advice.classic_shut_by, ShutBy::kOpen);
  EXPECT_FALSE(advice.disagrees_with_classic);

  ForecastAdvice trapped =
      advise_forecast({still_storm(300)}, request_for({20.5, -60}), std::nullopt);
  compare_with_classic(trapped, 180);
  EXPECT_TRUE(trapped.none_open);
  EXPECT_EQ(trapped.classic_shut_by, ShutBy::kDanger);
  EXPECT_FALSE(trapped.disagrees_with_classic);
}

// Nothing open at any speed nor staying put, the ship outside at the start (a storm swelling
// over it): the least bad course is the one keeping the largest least clearance.
TEST(ForecastChoice, NothingOpenAnywhereNamesTheLeastBad) {
  const StormTrack swelling =
      track_of({{0, {20, -60}, 80, equal_radii(100)}, {24, {20, -60}, 80, equal_radii(1500)}});
  const ForecastAdvice advice = advise_forecast({swelling}, request_for({23, -60}), std::nullopt);
  ASSERT_TRUE(advice.recommended);
  EXPECT_FALSE(advice.starts_inside || advice.stay_open);
  EXPECT_EQ(advice.recommended->choice, Choice::kLeastBad);
  for (const Passage& p : advice.sweep.passages[0]) {
    EXPECT_LE(p.clearance_nm, advice.recommended->passage.clearance_nm + 0.5);
  }
  EXPECT_LE(course_difference(advice.recommended->course_deg, 0), 2);

  // Fault: with land on every course the least bad one ran aground ("-853 nm inside"). Staying
  // put, which meets no land, is the least bad then.
  LandHours land{};
  for (auto& speed : land) speed.fill(0.5);
  const ForecastAdvice aground =
      advise_forecast({swelling}, request_for({23, -60}), std::nullopt, &land);
  ASSERT_TRUE(aground.recommended);
  EXPECT_EQ(aground.recommended->choice, Choice::kLeastBad);
  EXPECT_TRUE(aground.recommended->stay_put);
  EXPECT_FALSE(aground.recommended->passage.land_at_h);
}

}  // namespace
}  // namespace hurricane::forecast
