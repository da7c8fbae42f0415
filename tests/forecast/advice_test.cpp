#include "forecast/advice.h"

#include <gtest/gtest.h>

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
// course toward the storm the nearest open course is recommended, else the one straight away.
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
  const int course = voyage.recommended->course_deg;
  EXPECT_GE(voyage.recommended->passage.clearance_nm, 0);
  EXPECT_FALSE(
      voyage.sweep.passages[0][static_cast<std::size_t>(course > 180 ? course - 1 : course + 1)]
          .clearance_nm >= 0);
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
  land[0][120] = 40.0;
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

}  // namespace
}  // namespace hurricane::forecast
