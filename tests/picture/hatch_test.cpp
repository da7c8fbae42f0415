// Closed courses and the dangerous quarter are told apart by their hatch alone, in both
// palettes: single lines against crossed ones, and at night brightness as well (before, the
// night hatches were the same dim red a few steps apart).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "picture/maneuvering_board.h"
#include "picture/palette.h"
#include "picture/svg_reading.h"

namespace hurricane::picture {
namespace {

// The <pattern id="`id`"> element's body.
std::string pattern(const std::string& svg, const std::string& id) {
  const std::size_t at = svg.find("<pattern id=\"" + id + "\"");
  if (at == std::string::npos) return {};
  return svg.substr(at, svg.find("</pattern>", at) - at);
}

int count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

double luminance(const std::string& hex) {
  const long v = std::strtol(hex.c_str() + 1, nullptr, 16);
  const auto linear = [](long c) {
    const double s = static_cast<double>(c) / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear((v >> 16) & 0xff) + 0.7152 * linear((v >> 8) & 0xff) +
         0.0722 * linear(v & 0xff);
}

TEST(Hatches, ClosedCoursesAndDangerousQuarterApart) {
  // Closed courses on the ring and the ship in the dangerous quarter.
  const analysis::Advice a = testing::advice_for(300, 45, 225, 10, 100, 12);
  for (const bool night : {false, true}) {
    const std::string svg = maneuvering_board(a, {night});
    const std::string closed = pattern(svg, "closed-hatch");
    const std::string quarter = pattern(svg, "quarter-hatch");
    ASSERT_FALSE(closed.empty());
    ASSERT_FALSE(quarter.empty());
    EXPECT_EQ(count(closed, "<line"), 1);
    EXPECT_EQ(count(quarter, "<line"), 2);  // crossed
  }
  const Palette& c = palette(true);
  const double ratio = (luminance(c.quarter) + 0.05) / (luminance(c.closed_hatch) + 0.05);
  EXPECT_GE(ratio, 1.5);
}

}  // namespace
}  // namespace hurricane::picture
