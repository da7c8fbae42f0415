#include "plane_geometry/position.h"

#include <gtest/gtest.h>

#include <cmath>

#include "plane_geometry/rotation.h"

namespace hurricane::plane_geometry {
namespace {

struct Polar {
  double be;
  double ra;
};

Polar polar(double xx, double yy) {
  Polar p{};
  xpobe(xx, yy, p.be, p.ra);
  return p;
}

TEST(Xbepo, ReducesTheCallersBearingAndPointsAlongIt) {
  double be = 450.0;
  double xx = 0.0;
  double yy = 0.0;
  xbepo(be, 10.0, xx, yy);
  EXPECT_EQ(be, 90.0);
  EXPECT_EQ(yy, 10.0);
  EXPECT_NEAR(xx, 0.0, 1e-13);
  EXPECT_LT(xx, 0.0);  // pi of the shared record lies above the true pi

  be = -90.0;
  xbepo(be, 10.0, xx, yy);
  EXPECT_EQ(be, 270.0);
  EXPECT_EQ(yy, -10.0);
}

TEST(Xpobe, ChoosesTheQuadrantWithZeroCountingSouthOrWest) {
  EXPECT_EQ(polar(1, 0).be, 0.0);  // due north: 360 wraps to 0
  EXPECT_EQ(polar(1, 0).ra, 1.0);
  EXPECT_NEAR(polar(0, 1).be, 90.0, 1e-12);
  EXPECT_EQ(polar(-1, 0).be, 180.0);
  EXPECT_NEAR(polar(0, -1).be, 270.0, 1e-12);
  EXPECT_NEAR(polar(1, 1).be, 45.0, 1e-12);
  EXPECT_DOUBLE_EQ(polar(1, 1).ra, std::sqrt(2.0));
  EXPECT_NEAR(polar(1, -1).be, 315.0, 1e-12);
  EXPECT_NEAR(polar(-1, 1).be, 135.0, 1e-12);
  EXPECT_NEAR(polar(-1, -1).be, 225.0, 1e-12);
}

TEST(Xpobe, BiasDecidesNearTheOriginAndNanFlowsThrough) {
  EXPECT_EQ(polar(0, 0).be, 180.0);
  EXPECT_NEAR(polar(0, 0).ra, 3.1623e-10, 1e-14);
  EXPECT_NEAR(polar(0, 1e-12).be, 179.82, 0.01);
  EXPECT_NEAR(polar(1e-12, 1e-12).be, 0.18, 0.01);
  EXPECT_TRUE(std::isnan(polar(std::nan(""), 1).be));
  EXPECT_TRUE(std::isnan(polar(1, std::nan("")).be));
}

TEST(Rotw1, GivesClockwiseAnglesFromTheReferenceAndReducesItInPlace) {
  double w0 = 350.0;
  double w1 = 10.0;
  double w2 = 340.0;
  double zw1 = 0.0;
  double zw2 = 0.0;
  rotw1(w0, w1, w2, zw1, zw2);
  EXPECT_EQ(zw1, 20.0);
  EXPECT_EQ(zw2, 350.0);

  w0 = -10.0;
  w1 = 370.0;
  rotw1(w0, w1, w2, zw1, zw2);
  EXPECT_EQ(w0, 350.0);
  EXPECT_EQ(w1, 10.0);
  EXPECT_EQ(zw1, 20.0);
}

TEST(Rotx1, TurnsAboutTheCentreSoTheReferenceBecomesAhead) {
  struct Case {
    double w0, xx, yy, zxx, zyy;
  };
  const Case cases[] = {
      {90, 5, 6, 6, 5},  // due east of the centre: ahead
      {90, 6, 5, 5, 4},  // due north: to the left
      {90, 5, 5, 5, 5},  // the centre stays
      {0, 7, -3, 7, -3}, {450, 5, 6, 6, 5},
  };
  for (const Case& c : cases) {
    double w0 = c.w0;
    double zxx = 0.0;
    double zyy = 0.0;
    rotx1(w0, 5.0, 5.0, c.xx, c.yy, zxx, zyy);
    EXPECT_NEAR(zxx, c.zxx, 1e-14) << c.w0 << " " << c.xx << " " << c.yy;
    EXPECT_NEAR(zyy, c.zyy, 1e-14) << c.w0 << " " << c.xx << " " << c.yy;
    EXPECT_LT(w0, 360.0);
  }
}

}  // namespace
}  // namespace hurricane::plane_geometry
