// The storm's motion between two fixes, which the situation and the forecast both take.
#include "navigation/motion.h"

#include <gtest/gtest.h>

namespace hurricane::navigation {
namespace {

Fix fix(double lat, double lon, int hour) {
  return {{lat, lon}, *civil_time(2023, 9, 12, hour, 0)};
}

TEST(MotionBetween, TrackAtTheLaterFixAndSpeedOnTheEllipsoid) {
  // A degree of longitude on the equator is 111,319.49 m on WGS84: 60.108 nm.
  const Motion east = *motion_between(fix(0.0, -60.0, 12), fix(0.0, -59.0, 18));
  EXPECT_NEAR(east.track, 90.0, 1e-9);
  EXPECT_NEAR(east.speed, 111319.49 / 1852.0 / 6.0, 1e-4);
  // Across the 180th meridian the short way, westward, in the south.
  const Motion west = *motion_between(fix(-20.0, -179.8, 12), fix(-20.0, 179.3, 18));
  EXPECT_GT(west.track, 270.0);  // a geodesic heading west bends toward the pole: south of...
  EXPECT_LT(west.track, 270.5);  // ...west at the start, just north of west at the end
  EXPECT_NEAR(west.speed, 0.9 * 60 * 0.94 / 6.0, 0.1);
  // Due south ends on a track of 180, due north on 0 (never 360).
  EXPECT_NEAR(motion_between(fix(25.0, -70.0, 0), fix(24.0, -70.0, 6))->track, 180.0, 1e-9);
  const double north = motion_between(fix(24.0, -70.0, 0), fix(25.0, -70.0, 6))->track;
  EXPECT_GE(north, 0.0);
  EXPECT_LT(north, 1e-9);
}

TEST(MotionBetween, OnlyForward) {
  EXPECT_FALSE(motion_between(fix(20.0, -60.0, 12), fix(21.0, -61.0, 12)));  // same time
  EXPECT_FALSE(motion_between(fix(20.0, -60.0, 18), fix(21.0, -61.0, 12)));  // wrong order
  EXPECT_EQ(motion_between(fix(20.0, -60.0, 12), fix(20.0, -60.0, 18))->speed, 0.0);
}

}  // namespace
}  // namespace hurricane::navigation
