// Motion from fixes and moving the centre, against published and symmetric cases.
#include <gtest/gtest.h>

#include "navigation/geodesic.h"
#include "situation/storm.h"

namespace hurricane::situation {
namespace {

using navigation::inverse;
using navigation::Leg;

UtcTime at(const char* text) {
  return parse_utc_time(Field::kAt, text).value();
}

TEST(StormMotion, AcrossTheDatelineTakesTheShortWay) {
  // 179.8W then 179.3E are 0.9 degrees of longitude apart, westward.
  const StormFix earlier{{20.0, -179.8}, at("2023-09-12T12:00Z")};
  const StormFix later{{20.0, 179.3}, at("2023-09-12T18:00Z")};
  const Motion motion = motion_from_fixes(Field::kStormFix, earlier, later).value();
  // The same pair away from the dateline moves the same.
  const Motion control =
      motion_from_fixes(Field::kStormFix, {{20.0, 0.2}, earlier.time}, {{20.0, -0.7}, later.time})
          .value();
  EXPECT_NEAR(motion.speed, control.speed, 1e-9);
  EXPECT_NEAR(motion.track, control.track, 1e-9);
  EXPECT_NEAR(motion.speed, 0.9 * 60.0 * 0.9397 / 6.0, 0.05);  // about 8.5 kn
  EXPECT_NEAR(motion.track, 270.0, 0.3);
}

TEST(StormMotion, TrackIsTheDirectionAtTheLaterFix) {
  const StormFix earlier{{40.6, -73.8}, at("2023-09-12T00:00Z")};
  const StormFix later{{51.6, -0.5}, at("2023-09-13T00:00Z")};
  const Motion motion = motion_from_fixes(Field::kStormFix, earlier, later).value();
  const Leg leg = inverse(earlier.centre, later.centre);
  EXPECT_EQ(motion.track, leg.azimuth_to);  // about 108, far from the 51 at the start
  EXPECT_NEAR(motion.speed, 2997.71 / 24.0, 0.001);
}

TEST(StormMotion, FixesOutOfOrderOrAtOneTimeAreRefused) {
  const StormFix first{{20.0, -60.0}, at("2023-09-12T12:00Z")};
  const StormFix second{{21.0, -61.0}, at("2023-09-12T18:00Z")};
  const Result<Motion> reversed = motion_from_fixes(Field::kStormFix, second, first);
  ASSERT_FALSE(reversed.ok());
  EXPECT_EQ(reversed.error().field, Field::kStormFix);
  EXPECT_NE(reversed.error().problem.find("wrong order"), std::string::npos);
  const Result<Motion> same = motion_from_fixes(Field::kStormFix, first, {{21, -61}, first.time});
  ASSERT_FALSE(same.ok());
  EXPECT_NE(same.error().problem.find("same time"), std::string::npos);
}

TEST(MoveCentre, ForwardBackwardAndAtRest) {
  const LatLon centre{25.0, -70.0};
  const Motion motion{300.0, 12.0};
  const MovedCentre ahead =
      move_centre(centre, motion, at("2023-09-12T18:00Z"), at("2023-09-13T00:00Z"));
  EXPECT_EQ(ahead.hours, 6.0);
  const Leg covered = inverse(centre, ahead.centre);
  EXPECT_NEAR(covered.distance_nm, 72.0, 1e-9);
  EXPECT_NEAR(covered.azimuth_from, 300.0, 1e-9);
  EXPECT_NEAR(ahead.track, covered.azimuth_to, 1e-9);
  const MovedCentre back =
      move_centre(centre, motion, at("2023-09-12T18:00Z"), at("2023-09-12T12:00Z"));
  EXPECT_EQ(back.hours, -6.0);
  EXPECT_NEAR(inverse(back.centre, centre).azimuth_to, 300.0, 1e-9);
  const MovedCentre still =
      move_centre(centre, {300.0, 0.0}, at("2023-09-12T18:00Z"), at("2023-09-14T18:00Z"));
  EXPECT_EQ(still.centre.lat, centre.lat);
  EXPECT_EQ(still.centre.lon, centre.lon);
}

}  // namespace
}  // namespace hurricane::situation
