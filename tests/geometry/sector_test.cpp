#include "geometry/sector.h"

#include <gtest/gtest.h>

#include <cmath>

namespace hurricane::geometry {
namespace {

int zone(double w1, double w2, double ww) {
  int iwx = 99;
  wcheck(w1, w2, ww, iwx);
  return iwx;
}

TEST(Wcheck, NarrowSectorZonesAndTheirBoundaries) {
  EXPECT_EQ(zone(30, 60, 30), 0);
  EXPECT_EQ(zone(30, 60, 45), 0);
  EXPECT_EQ(zone(30, 60, 60), 1);
  EXPECT_EQ(zone(30, 60, 149.999), 1);
  EXPECT_EQ(zone(30, 60, 150), 2);
  EXPECT_EQ(zone(30, 60, 299.999), 2);
  EXPECT_EQ(zone(30, 60, 300), -1);
  EXPECT_EQ(zone(30, 60, 0), -1);
  EXPECT_EQ(zone(30, 60, 29.999), -1);
}

TEST(Wcheck, SectorThroughNorth) {
  EXPECT_EQ(zone(350, 20, 355), 0);
  EXPECT_EQ(zone(350, 20, 5), 0);
  EXPECT_EQ(zone(350, 20, 350), 0);
  EXPECT_EQ(zone(350, 20, 20), 1);
  EXPECT_EQ(zone(350, 20, 109), 1);
  EXPECT_EQ(zone(350, 20, 110), 2);
  EXPECT_EQ(zone(350, 20, 259), 2);
  EXPECT_EQ(zone(350, 20, 260), -1);
  EXPECT_EQ(zone(350, 20, 349), -1);
}

TEST(Wcheck, ZeroWidthAndWideSectors) {
  for (double ww : {100.0, 150.0}) EXPECT_EQ(zone(100, 100, ww), 1) << ww;
  for (double ww : {190.0, 280.0}) EXPECT_EQ(zone(100, 100, ww), 2) << ww;
  for (double ww : {10.0, 99.0}) EXPECT_EQ(zone(100, 100, ww), -1) << ww;
  for (double ww : {90.0, 180.0, 269.0}) EXPECT_EQ(zone(90, 270, ww), 0) << ww;
  for (double ww : {270.0, 359.0}) EXPECT_EQ(zone(90, 270, ww), 1) << ww;
  for (double ww : {0.0, 89.0}) EXPECT_EQ(zone(90, 270, ww), -1) << ww;
  for (double ww : {0.0, 199.0}) EXPECT_EQ(zone(0, 200, ww), 0) << ww;
  for (double ww : {200.0, 269.0}) EXPECT_EQ(zone(0, 200, ww), 1) << ww;
  for (double ww : {270.0, 359.0}) EXPECT_EQ(zone(0, 200, ww), -1) << ww;
  for (double ww : {0.0, 29.0}) EXPECT_EQ(zone(0, 300, ww), 0) << ww;
  for (double ww : {30.0, 100.0, 269.0}) EXPECT_EQ(zone(0, 300, ww), 2) << ww;
  for (double ww : {270.0, 300.0, 359.0}) EXPECT_EQ(zone(0, 300, ww), -1) << ww;
}

TEST(Wcheck, WritesBackReducedBearingsAndGivesZeroForNan) {
  double w1 = -10.0;
  double w2 = 20.0;
  double ww = 0.0;
  int iwx = 99;
  wcheck(w1, w2, ww, iwx);
  EXPECT_EQ(iwx, 0);
  EXPECT_EQ(w1, 350.0);
  for (double b : {0.0, 90.0, 180.0, 270.0}) EXPECT_EQ(zone(std::nan(""), std::nan(""), b), 0);
  EXPECT_EQ(zone(30, 60, std::nan("")), 0);
}

}  // namespace
}  // namespace hurricane::geometry
