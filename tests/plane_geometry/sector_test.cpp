#include "plane_geometry/sector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace hurricane::plane_geometry {
namespace {

int zone(double w1, double w2, double ww) {
  int iwx = 99;
  wcheck(w1, w2, ww, iwx);
  return iwx;
}

// Bearings that fall in one zone of one sector (clockwise from w1 to w2).
struct Row {
  double w1, w2;
  int iwx;
  std::vector<double> ww;
};

// On shared boundaries the later zone wins: w2 is zone 1, w2 + 90 zone 2, w1 - 90 zone -1.
// Sectors of 180 degrees or more lose the far zone, then it eats the start of the sector.
TEST(Wcheck, ZonesAndBoundaries) {
  const Row rows[] = {
      {30, 60, 0, {30, 45}},          {30, 60, 1, {60, 149.999}},    {30, 60, 2, {150, 299.999}},
      {30, 60, -1, {300, 0, 29.999}}, {350, 20, 0, {355, 5, 350}},   {350, 20, 1, {20, 109}},
      {350, 20, 2, {110, 259}},       {350, 20, -1, {260, 349}},     {100, 100, 1, {100, 150}},
      {100, 100, 2, {190, 280}},      {100, 100, -1, {10, 99}},      {90, 270, 0, {90, 180, 269}},
      {90, 270, 1, {270, 359}},       {90, 270, -1, {0, 89}},        {0, 200, 0, {0, 199}},
      {0, 200, 1, {200, 269}},        {0, 200, -1, {270, 359}},      {0, 300, 0, {0, 29}},
      {0, 300, 2, {30, 100, 269}},    {0, 300, -1, {270, 300, 359}},
  };
  for (const Row& r : rows) {
    for (double ww : r.ww) {
      EXPECT_EQ(zone(r.w1, r.w2, ww), r.iwx) << r.w1 << ".." << r.w2 << " at " << ww;
    }
  }
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
}  // namespace hurricane::plane_geometry
