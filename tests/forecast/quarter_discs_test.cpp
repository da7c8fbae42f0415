#include "forecast/quarter_discs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace hurricane::forecast {
namespace {

// 150 nm out with NE 100 and SE 200: the step at the 90-degree edge is 150 sin 5 = 13.07 nm
// away, outside at azimuth 85 and inside at 95.
TEST(QuarterDiscs, StepAtQuadrantEdgeDecidesNearTheEdge) {
  const QuadrantNm radii = {100, 200, 0, 0};
  const double step = 150.0 * std::sin(5.0 * std::numbers::pi / 180.0);
  EXPECT_NEAR(signed_distance_nm(plane_point(150, 85), radii), step, 1e-9);
  EXPECT_NEAR(signed_distance_nm(plane_point(150, 95), radii), -step, 1e-9);
  // Well inside the SE quadrant the arc is the nearer edge.
  EXPECT_NEAR(signed_distance_nm(plane_point(150, 135), radii), -50.0, 1e-9);
  // Well inside the NE quadrant, beyond its arc.
  EXPECT_NEAR(signed_distance_nm(plane_point(150, 45), radii), 50.0, 1e-9);
}

TEST(QuarterDiscs, EqualRadiiAreACircle) {
  for (double azimuth = 0; azimuth < 360; azimuth += 7.5) {
    EXPECT_NEAR(signed_distance_nm(plane_point(130, azimuth), {80, 80, 80, 80}), 50.0, 1e-9);
    EXPECT_NEAR(signed_distance_nm(plane_point(30, azimuth), {80, 80, 80, 80}), -50.0, 1e-9);
  }
}

TEST(QuarterDiscs, NoWindsIsTheDistanceToTheCentre) {
  EXPECT_NEAR(signed_distance_nm(plane_point(42, 200), {0, 0, 0, 0}), 42.0, 1e-9);
  EXPECT_EQ(signed_distance_nm(plane_point(0, 0), {0, 0, 0, 0}), 0.0);
}

// A quadrant without winds beside one with: the distance from across the edge is to the
// neighbour's edge segment, not to the empty quadrant's centre.
TEST(QuarterDiscs, EmptyQuadrantMeasuresToTheNeighboursEdge) {
  const QuadrantNm radii = {150, 0, 0, 0};  // NE only
  // Due south of the centre, 100 nm: the NE edge along azimuth 90 is 100 nm off (its end at
  // the centre); the east edge along azimuth 0 likewise.
  EXPECT_NEAR(signed_distance_nm(plane_point(100, 180), radii), 100.0, 1e-9);
  // Due east 100 nm lies on the NE quarter-disc's edge.
  EXPECT_NEAR(signed_distance_nm(plane_point(100, 90), radii), 0.0, 1e-9);
  // East-south-east: perpendicular to the edge at 90 degrees.
  EXPECT_NEAR(signed_distance_nm(plane_point(100, 120), radii),
              100.0 * std::sin(std::numbers::pi / 6), 1e-9);
}

// Near the centre the depth is the distance to the short SW quadrant's step, whichever
// quadrant the point is in: no jump as it crosses from SE into NE.
TEST(QuarterDiscs, DepthIsContinuousAcrossQuadrantEdges) {
  const QuadrantNm radii = {92, 106, 22, 146};
  const double below = signed_distance_nm({16.84, -0.01}, radii);
  const double above = signed_distance_nm({16.84, 0.01}, radii);
  EXPECT_NEAR(below, above, 0.02);
  EXPECT_NEAR(above, -std::hypot(16.84, 22.0), 0.02);
}

}  // namespace
}  // namespace hurricane::forecast
