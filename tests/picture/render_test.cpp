// The pictures as a reader gets them: well-formed XML, rendered by a real SVG renderer, and
// the bearing ring showing the open courses in the open colour and no other course in it.
#include <gtest/gtest.h>

#include <string>

#include "analysis/round_analysis.h"
#include "picture/layout.h"
#include "picture/maneuvering_board.h"
#include "picture/palette.h"
#include "picture/png_probe.h"
#include "picture/svg_reading.h"

namespace hurricane::picture {
namespace {

using testing::advice_for;
using testing::distance;
using testing::rgb_of;

struct Situation {
  const char* name;
  analysis::Advice advice;
  bool night;
};

// render: writes the picture, checks it with xmllint and renders it; the PNG's path.
std::string render(const std::string& name, const std::string& svg) {
  const std::string base = ::testing::TempDir() + "picture_" + name;
  testing::write_text(base + ".svg", svg);
  EXPECT_TRUE(testing::run(std::string(HURRICANE_XMLLINT) + " --noout --nonet '" + base + ".svg'"))
      << name << ": not well-formed XML";
  EXPECT_TRUE(testing::run(std::string(HURRICANE_RSVG_CONVERT) + " -o '" + base + ".png' '" + base +
                           ".svg'"))
      << name << ": rsvg-convert failed";
  return base + ".png";
}

// The middle of the bearing ring's course band at a bearing.
Screen band_point(double bearing) {
  return at_bearing(kBoardX, kBoardY, bearing, (kBandInner + kBandOuter) / 2);
}

TEST(PictureRender, OpenCoursesAndOnlyThoseHaveTheOpenColour) {
  // Each render takes a third of a second: the southern hemisphere (which moves only the
  // quarter) is left out, and the night palette is probed on one situation.
  const Situation situations[] = {
      {"distant", advice_for(1000, 275, 91, 11, 150, 7), false},
      {"two_ranges", advice_for(500, 180, 0, 10, 150, 12), false},
      {"through_north", advice_for(300, 0, 10, 10, 50, 5), false},
      {"internal", advice_for(100, 300, 120, 12, 150, 10), false},
      {"distant_night", advice_for(1000, 275, 91, 11, 150, 7), true},
  };
  for (const Situation& s : situations) {
    const testing::Rgb open = rgb_of(palette(s.night).admissible);
    const std::string name = s.name;
    const auto image = testing::read_png(render(name, maneuvering_board(s.advice, {s.night})));
    ASSERT_TRUE(image.has_value()) << name;
    ASSERT_EQ(image->width, static_cast<int>(kCanvasWidth));
    // Every whole-degree course, probed in the middle of its degree, judged by the field
    // of admissibility codes the ranges were found from.
    const analysis::RoundAnalysis round = analysis::analyse_round(s.advice.values);
    int open_count = 0;
    for (int course = 1; course <= 360; ++course) {
      const bool admissible = round.codes[static_cast<std::size_t>(course)] == 0;
      // Limits are drawn on the limit course itself: probe 0.4 degrees inside them.
      const bool next_open = round.codes[static_cast<std::size_t>(course % 360 + 1)] == 0;
      const double probe = admissible && next_open ? course + 0.5 : course - 0.4;
      const Screen p = band_point(admissible ? probe : course);
      const int off = distance(image->at(p.x, p.y), open);
      if (admissible) {
        ++open_count;
        EXPECT_LE(off, 8) << name << ": open course " << course;
      } else {
        EXPECT_GT(off, 60) << name << ": closed course " << course;
      }
    }
    EXPECT_EQ(open_count == 0, s.advice.courses.ranges.empty() && !s.advice.courses.all_courses)
        << name;
  }
}

}  // namespace
}  // namespace hurricane::picture
