#include "plane_geometry/tangent.h"

#include <gtest/gtest.h>

#include <cmath>

namespace hurricane::plane_geometry {
namespace {

struct Tangents {
  double rb, xt1, yt1, xt2, yt2, bec, be1, be2;
};

Tangents tangents(double xxa, double yya, double xxb, double yyb, double rb) {
  Tangents t{};
  t.rb = rb;
  tangt(xxa, yya, xxb, yyb, t.rb, t.xt1, t.yt1, t.xt2, t.yt2, t.bec, t.be1, t.be2);
  return t;
}

// B 10 north of A (x points north), radius 5 at distance 10: half-angle asin(0.5) = 30,
// the tangent length sqrt(100 - 25) = 8.660, so the touching points lie at 8.660 * cos 30 = 7.5
// ahead and 8.660 * sin 30 = 4.330 to either side.
TEST(Tangt, TangentsAndTouchingPointsShiftedWithTheOrigin) {
  for (double a : {0.0, 1.0}) {
    const Tangents t = tangents(a, a, 10 + a, a, 5);
    EXPECT_EQ(t.bec, 0.0);
    EXPECT_NEAR(t.be1, 330.0, 1e-12);
    EXPECT_NEAR(t.be2, 30.0, 1e-12);
    EXPECT_NEAR(t.xt1, 7.5 + a, 1e-9);
    EXPECT_NEAR(t.yt1, -4.3301270189 + a, 1e-9);
    EXPECT_NEAR(t.xt2, 7.5 + a, 1e-9);
    EXPECT_NEAR(t.yt2, 4.3301270189 + a, 1e-9);
  }
  const Tangents west = tangents(0, 0, 0, -10, 5);
  EXPECT_NEAR(west.bec, 270.0, 1e-12);
  EXPECT_NEAR(west.be1, 240.0, 1e-12);
  EXPECT_NEAR(west.be2, 300.0, 1e-12);
}

// The half-angle is converted with twopi, not with the true pi: a few units in the last place.
TEST(Tangt, HalfAngleCarriesTheRecordsPi) {
  const Tangents t = tangents(0, 0, 10, 0, 5);  // rb / dab = 0.5, bec = 0
  EXPECT_EQ(t.be2, 29.999999999999936);
  const Tangents touching = tangents(0, 0, 10, 0, 10);  // rb = dab
  EXPECT_EQ(touching.be2, 89.9999999999998);
}

// The 3-4-5 triangle: bec = atan2(4, 3) = 53.130102354; A on the circle gives the half-angle
// asin(1) = 90, the tangent of length 0 touching at A itself.
TEST(Tangt, OriginOnTheCircleWritesBackAbsoluteRadius) {
  const Tangents t = tangents(0, 0, 3, 4, -5);
  EXPECT_EQ(t.rb, 5.0);
  EXPECT_NEAR(t.bec, 53.130102354, 1e-9);
  EXPECT_NEAR(t.be1, 323.130102354, 1e-9);
  EXPECT_NEAR(t.be2, 143.130102354, 1e-9);
  EXPECT_NEAR(t.xt1, 0.0, 1e-6);
  EXPECT_NEAR(t.yt2, 0.0, 1e-6);
}

TEST(Tangt, ZeroRadiusAndOriginInside) {
  const Tangents ray = tangents(0, 0, 3, 4, 0);
  EXPECT_EQ(ray.be1, ray.bec);
  EXPECT_EQ(ray.be2, ray.bec);
  EXPECT_NEAR(ray.xt1, 3.0, 1e-12);
  EXPECT_NEAR(ray.yt2, 4.0, 1e-12);

  const Tangents inside = tangents(0, 0, 3, 4, 6);
  EXPECT_NEAR(inside.bec, 53.130102354, 1e-9);
  for (double v : {inside.be1, inside.be2, inside.xt1, inside.yt1, inside.xt2, inside.yt2}) {
    EXPECT_TRUE(std::isnan(v));
  }
}

}  // namespace
}  // namespace hurricane::plane_geometry
