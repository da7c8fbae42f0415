// The prepared frame and sector give bit for bit what rotx1 and wcheck give directly.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "geometry/rotation.h"
#include "geometry/sector.h"

namespace hurricane::geometry {
namespace {

bool same_bits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Reference bearings: ordinary, on the boundaries of the reduction, huge and not finite,
// then random ones of either sign beyond one turn.
std::vector<double> bearings() {
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<double> list = {0.0,    -0.0,   90.0,
                              180.0,  270.0,  359.99999999999994,
                              360.0,  -360.0, 720.5,
                              -1e-20, 1e13,   -1e13,
                              inf,    -inf,   std::numeric_limits<double>::quiet_NaN()};
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> any(-800.0, 800.0);
  for (int k = 0; k < 60; ++k) list.push_back(any(random));
  return list;
}

TEST(TurnedFrame, TurnsEveryPointAsRotx1Does) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> coordinate(-50.0, 50.0);
  for (const double w : bearings()) {
    const TurnedFrame frame = turned_frame(w);
    double reduced = w;
    double zxx = 0.0;
    double zyy = 0.0;
    rotx1(reduced, 1.5, -2.5, 3.0, 4.0, zxx, zyy);
    EXPECT_TRUE(same_bits(frame.w0, reduced)) << w;
    for (int k = 0; k < 50; ++k) {
      const double x0 = k % 5 == 0 ? 0.0 : coordinate(random);
      const double y0 = k % 5 == 0 ? 0.0 : coordinate(random);
      const double xx = coordinate(random);
      const double yy = coordinate(random);
      double w0 = w;
      double direct_x = 0.0;
      double direct_y = 0.0;
      rotx1(w0, x0, y0, xx, yy, direct_x, direct_y);
      double prepared_x = 0.0;
      double prepared_y = 0.0;
      rotx1(frame, x0, y0, xx, yy, prepared_x, prepared_y);
      ASSERT_TRUE(same_bits(prepared_x, direct_x)) << w << " " << xx << " " << yy;
      ASSERT_TRUE(same_bits(prepared_y, direct_y)) << w << " " << xx << " " << yy;
    }
  }
}

TEST(PreparedSector, GivesEveryBearingTheZoneAndReductionOfWcheck) {
  const std::vector<double> list = bearings();
  std::vector<double> tested = list;
  for (int k = 0; k < 720; ++k) tested.push_back(k * 0.5);  // every half degree
  for (std::size_t a = 0; a < list.size(); a += 3) {
    for (std::size_t b = 1; b < list.size(); b += 2) {
      const Sector s = sector(list[a], list[b]);
      for (const double ww : tested) {
        double w1 = list[a];
        double w2 = list[b];
        double direct_ww = ww;
        int direct = 99;
        wcheck(w1, w2, direct_ww, direct);
        double prepared_ww = ww;
        int prepared = 99;
        wcheck(s, prepared_ww, prepared);
        ASSERT_EQ(prepared, direct) << list[a] << " " << list[b] << " " << ww;
        ASSERT_TRUE(same_bits(prepared_ww, direct_ww)) << ww;
        ASSERT_TRUE(same_bits(s.w1, w1) && same_bits(s.w2, w2)) << list[a] << " " << list[b];
      }
    }
  }
}

}  // namespace
}  // namespace hurricane::geometry
