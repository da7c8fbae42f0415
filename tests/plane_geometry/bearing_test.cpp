#include "plane_geometry/bearing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "plane_geometry/truncate.h"

namespace hurricane::plane_geometry {
namespace {

double reduced_a(double b) {
  norma(b);
  return b;
}

double reduced_b(double b) {
  normb(b);
  return b;
}

TEST(Norma, ReducesIntoFullCircleIncludingZeroExcluding360) {
  EXPECT_EQ(reduced_a(360.0), 0.0);
  EXPECT_EQ(reduced_a(-360.0), 0.0);
  EXPECT_EQ(reduced_a(720.0), 0.0);
  EXPECT_EQ(reduced_a(-0.5), 359.5);
  EXPECT_EQ(reduced_a(-720.5), 359.5);
  EXPECT_EQ(reduced_a(359.99999999999994), 359.99999999999994);
  EXPECT_EQ(reduced_a(-1e-20), 0.0);  // -1e-20 + 360 rounds to 360, which wraps in the same pass
  EXPECT_EQ(reduced_a(370.25), 10.25);
}

TEST(Norma, NonFiniteAndNegativeZeroComeBackUnchanged) {
  EXPECT_TRUE(std::isnan(reduced_a(std::nan(""))));
  EXPECT_EQ(reduced_a(std::numeric_limits<double>::infinity()),
            std::numeric_limits<double>::infinity());
  EXPECT_EQ(reduced_a(-std::numeric_limits<double>::infinity()),
            -std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::signbit(reduced_a(-0.0)));
}

// Pins the shortcut for huge bearings: it must end quickly and agree with exact stepping.
TEST(Norma, HugeBearingsEndAndKeepTheExactRemainder) {
  EXPECT_EQ(reduced_a(1e12 + 30.125), 310.125);  // 1e12 = 2777777777 * 360 + 280
  EXPECT_EQ(reduced_a(-1e12), 80.0);
  EXPECT_EQ(reduced_a(1e16 + 2.0), std::fmod(1e16 + 2.0, 360.0));
  const double big = reduced_a(1e300);
  EXPECT_GE(big, 0.0);
  EXPECT_LT(big, 360.0);
}

TEST(Normb, ReducesIntoSignedHalfCircleIncludingPlus180) {
  EXPECT_EQ(reduced_b(180.0), 180.0);
  EXPECT_EQ(reduced_b(-180.0), 180.0);
  EXPECT_EQ(reduced_b(540.0), 180.0);
  EXPECT_DOUBLE_EQ(reduced_b(180.0001), -179.9999);
  EXPECT_EQ(reduced_b(360.0), 0.0);
  EXPECT_EQ(reduced_b(270.0), -90.0);
  EXPECT_TRUE(std::isnan(reduced_b(std::nan(""))));
}

TEST(TruncateToInt, TruncatesTowardZeroAndIsDefinedForEveryDouble) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  EXPECT_EQ(truncate_to_int(3.9), 3);
  EXPECT_EQ(truncate_to_int(-3.9), -3);
  EXPECT_EQ(truncate_to_int(-0.5), 0);
  EXPECT_EQ(truncate_to_int(2147483647.9), kMax);
  EXPECT_EQ(truncate_to_int(-2147483648.9), kMin);
  EXPECT_EQ(truncate_to_int(2147483648.0), kMax);
  EXPECT_EQ(truncate_to_int(-1e300), kMin);
  EXPECT_EQ(truncate_to_int(std::numeric_limits<double>::infinity()), kMax);
  EXPECT_EQ(truncate_to_int(std::nan("")), 0);
}

}  // namespace
}  // namespace hurricane::plane_geometry
