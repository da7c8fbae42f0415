// The SVG building blocks: what they write for values a well-formed file cannot hold.
#include "picture/svg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace hurricane::picture {
namespace {

TEST(SvgText, EscapesEveryMarkupCharacter) {
  EXPECT_EQ(xml_escape("a<b & \"c\" 'd'>"), "a&lt;b &amp; &quot;c&quot; &apos;d&apos;&gt;");
  std::string out;
  text(out, {{"x", "1"}}, "<script>");
  EXPECT_EQ(out, "<text x=\"1\">&lt;script&gt;</text>\n");
}

TEST(SvgNumbers, NeverWriteNanOrInfinity) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(coord(nan), "0");
  EXPECT_EQ(coord(-inf), "0");
  EXPECT_EQ(coord(-0.001), "0.00");  // no negative zero
  EXPECT_EQ(coord(12.345), "12.35");
  EXPECT_EQ(exact(nan), "none");
  EXPECT_EQ(exact(inf), "none");
  EXPECT_EQ(fixed(nan, 1), "-");
  EXPECT_EQ(fixed(-0.04, 1), "0.0");
  EXPECT_EQ(fixed(1e300, 0).size(), 301u);  // the widest doubles fit the buffer
  EXPECT_EQ(course3(5), "005");
  EXPECT_EQ(course3(360), "360");
}

TEST(SvgNumbers, ExactValuesReadBackBitForBit) {
  for (const double v : {688.6187291383727, 0.1, 1e-300, 141.4837, 359.99999999999994}) {
    EXPECT_EQ(std::stod(exact(v)), v);
  }
}

}  // namespace
}  // namespace hurricane::picture
