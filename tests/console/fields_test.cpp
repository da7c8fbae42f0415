#include "console/fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "console/fixed_line.h"
#include "console/free_line.h"

namespace hurricane::console {
namespace {

TEST(RealField, RoundsLikePrintfAndRightAligns) {
  EXPECT_EQ(real_field(275.0, 5, 0), " 275.");
  EXPECT_EQ(real_field(1000.0, 5, 0), "1000.");
  EXPECT_EQ(real_field(11.0, 5, 1), " 11.0");
  EXPECT_EQ(real_field(5.5, 4, 1), " 5.5");
  EXPECT_EQ(real_field(688.6234, 6, 1), " 688.6");
  EXPECT_EQ(real_field(1000.0, 10, 1), "    1000.0");
  EXPECT_EQ(real_field(999999.0, 10, 1), "  999999.0");
  EXPECT_EQ(real_field(-999999.0, 10, 1), " -999999.0");
  EXPECT_EQ(real_field(1e-300, 10, 1), "       0.0");
}

TEST(RealField, HalvesRoundAsTheBinaryValueDoes) {
  EXPECT_EQ(real_field(0.25, 4, 1), " 0.2");  // exactly half: to even
  EXPECT_EQ(real_field(0.35, 4, 1), " 0.3");  // 0.34999999999999997...
  EXPECT_EQ(real_field(2.5, 3, 0), " 2.");    // to even
  EXPECT_EQ(real_field(3.5, 3, 0), " 4.");
  EXPECT_EQ(real_field(6.45, 4, 1), " 6.5");   // 6.4500000000000002
  EXPECT_EQ(real_field(99.95, 4, 1), "****");  // 99.950000000000003 rounds up to 100.0
  EXPECT_EQ(real_field(99.94, 4, 1), "99.9");
}

TEST(RealField, LeadingZeroGoesOnlyWhenOnePositionShort) {
  EXPECT_EQ(real_field(0.5, 4, 1), " 0.5");
  EXPECT_EQ(real_field(0.5, 3, 1), "0.5");
  EXPECT_EQ(real_field(0.5, 2, 1), ".5");
  EXPECT_EQ(real_field(0.5, 1, 1), "*");
  EXPECT_EQ(real_field(-0.5, 4, 1), "-0.5");
  EXPECT_EQ(real_field(-0.5, 3, 1), "-.5");
  EXPECT_EQ(real_field(-0.5, 2, 1), "**");
  EXPECT_EQ(real_field(0.96, 3, 1), "1.0");  // rounds to 1: no zero to drop
  EXPECT_EQ(real_field(0.96, 2, 1), "**");
  EXPECT_EQ(real_field(0.4, 2, 0), "0.");
  EXPECT_EQ(real_field(0.4, 1, 0), ".");
}

TEST(RealField, NegativeZeroHasNoSign) {
  EXPECT_EQ(real_field(-0.0, 4, 1), " 0.0");
  EXPECT_EQ(real_field(-0.04, 4, 1), " 0.0");
  EXPECT_EQ(real_field(-0.04, 3, 1), "0.0");
  EXPECT_EQ(real_field(-0.04, 2, 1), ".0");
  EXPECT_EQ(real_field(-0.4, 5, 0), "   0.");
  EXPECT_EQ(real_field(-0.05, 4, 1), "-0.1");  // -0.05000000000000000277 rounds away
}

TEST(RealField, OverflowAndNonFiniteFillWithAsterisks) {
  EXPECT_EQ(real_field(12345.0, 5, 0), "*****");
  EXPECT_EQ(real_field(99999.5, 5, 0), "*****");
  EXPECT_EQ(real_field(9999.4, 5, 0), "9999.");
  EXPECT_EQ(real_field(-1000.0, 5, 0), "*****");
  EXPECT_EQ(real_field(-999.0, 5, 0), "-999.");
  EXPECT_EQ(real_field(std::nan(""), 4, 1), "****");
  EXPECT_EQ(real_field(-std::numeric_limits<double>::infinity(), 6, 1), "******");
  EXPECT_EQ(real_field(1e308, 6, 1), "******");
}

TEST(RealField, WidthsThreeToTen) {
  const double value = -123.456;
  const char* expected[] = {"***",     "****",     "*****",     "-123.5",
                            " -123.5", "  -123.5", "   -123.5", "    -123.5"};
  for (int width = 3; width <= 10; ++width) {
    EXPECT_EQ(real_field(value, width, 1), expected[width - 3]) << "width " << width;
  }
}

TEST(IntegerField, RightAlignsAndOverflows) {
  EXPECT_EQ(integer_field(176, 4), " 176");
  EXPECT_EQ(integer_field(153, 5), "  153");
  EXPECT_EQ(integer_field(0, 3), "  0");
  EXPECT_EQ(integer_field(-59, 3), "-59");
  EXPECT_EQ(integer_field(-100, 3), "***");
  EXPECT_EQ(integer_field(1000, 3), "***");
  EXPECT_EQ(integer_field(2147483647, 3), "***");
}

TEST(ConsoleLines, FreeAndFixedLinesStartAsTheyShould) {
  EXPECT_EQ(FreeLine().text("[A] Escape against hurricane-bearing, course=").integer(95).str(),
            " [A] Escape against hurricane-bearing, course= 95");
  EXPECT_EQ(FreeLine().text("x").integer(-7).integer(0).str(), " x -7 0");
  EXPECT_EQ(FixedLine().text("a").integer(5, 3).real(1.25, 5, 2).str(), " a  5 1.25");
  EXPECT_EQ(FixedLine(FixedLine::Start::kDirect).text("b").str(), "b");
}

}  // namespace
}  // namespace hurricane::console
