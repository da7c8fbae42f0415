// The land lines of advice [A]: where an escape meets land, and how land was checked.
#include <gtest/gtest.h>

#include <string>

#include "report/report.h"

namespace hurricane::report {
namespace {

TEST(LandLines, MeetingInEveryQuarterOfTheGlobe) {
  EXPECT_EQ(land_meeting_line({9.04, 22.94, -82.06}),
            "     meets land at +9.0 h near 22\u00b056.4'N 082\u00b003.6'W");
  EXPECT_EQ(land_meeting_line({0.75, -33.86, 151.21}),
            "     meets land at +0.8 h near 33\u00b051.6'S 151\u00b012.6'E");
  // Rounded to nothing, a coordinate takes the northern or eastern letter.
  EXPECT_EQ(land_meeting_line({61.0, -0.0008, -0.0008}),
            "     meets land at +61.0 h near 00\u00b000.0'N 000\u00b000.0'E");
}

TEST(LandLines, HowLandWasChecked) {
  Lines lines;
  land_note_lines({analysis::LandCheck::kNoPosition, "", 0.0}, lines);
  EXPECT_TRUE(lines.empty());
  land_note_lines({analysis::LandCheck::kOff, "", 0.0}, lines);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "     Land not checked (--no-land).");
  lines.clear();
  land_note_lines({analysis::LandCheck::kChecked, "GSHHG test", 72.0}, lines);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "     Land checked 72 h ahead against the shoreline");
  EXPECT_EQ(lines[1], "     GSHHG test.");
  EXPECT_NE(lines[2].find("check the chart"), std::string::npos);
}

}  // namespace
}  // namespace hurricane::report
