#include "plane_geometry/timday.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace hurricane::plane_geometry {
namespace {

using Parts = std::array<int, 4>;  // days, hours, minutes, seconds

Parts split(double hours) {
  Parts p{-7, -7, -7, -7};
  timday(hours, p[0], p[1], p[2], p[3]);
  return p;
}

TEST(Timday, SplitsRoundedSeconds) {
  EXPECT_EQ(split(0.0), (Parts{0, 0, 0, 0}));
  EXPECT_EQ(split(1.5), (Parts{0, 1, 30, 0}));
  EXPECT_EQ(split(25.25), (Parts{1, 1, 15, 0}));
  EXPECT_EQ(split(48.0), (Parts{2, 0, 0, 0}));
  EXPECT_EQ(split(23.9999), (Parts{1, 0, 0, 0}));  // 86399.64 s rounds up to a whole day
  EXPECT_EQ(split(0.000125), (Parts{0, 0, 0, 0}));
  EXPECT_EQ(split(596523.0), (Parts{24855, 3, 0, 0}));
  EXPECT_EQ(split(-1.0), (Parts{0, 0, -59, -59}));  // -3599.5 s truncates toward zero
}

// Seconds beyond 32 bits must neither overflow nor look like a real duration.
TEST(Timday, OverflowAndNan) {
  constexpr int kMax = std::numeric_limits<int>::max();
  EXPECT_EQ(split(2147483647.0 / 3600.0), (Parts{24855, 3, 14, 7}));  // the last that fits
  EXPECT_EQ(split(596524.0), (Parts{kMax, 0, 0, 0}));
  EXPECT_EQ(split(1e300), (Parts{kMax, 0, 0, 0}));
  EXPECT_EQ(split(std::numeric_limits<double>::infinity()), (Parts{kMax, 0, 0, 0}));
  EXPECT_EQ(split(-1e12), (Parts{std::numeric_limits<int>::min(), 0, 0, 0}));
  EXPECT_EQ(split(std::nan("")), (Parts{0, 0, 0, 0}));
}

}  // namespace
}  // namespace hurricane::plane_geometry
