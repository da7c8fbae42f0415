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

// Fault: an [A] escape that meets land was still "Recommended", and "escape via [A]" followed.
// The first escape off land is recommended, one meeting land is passed over, and with none off
// land the verdict says so.
TEST(LandLines, EscapeMeetingLandIsPassedOver) {
  analysis::Advice advice;
  advice.verdict.area = analysis::Area::kDistant;
  advice.courses.escapes = {{346, 0, false, analysis::LandMeeting{2.0, 40.0, -70.0}, {}, false},
                            {120, 0, false, std::nullopt, {}, false}};
  Lines lines;
  escape_sector_lines(advice, lines);
  verdict_lines(advice, lines);
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  EXPECT_NE(text.find("[A] Escape course = 346 degrees, passed over: meets land\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("[A] Recommended escape course = 120 degrees\n"), std::string::npos);
  EXPECT_EQ(text.find("but every [A] escape meets land"), std::string::npos);
  EXPECT_EQ(analysis::recommended_escape(advice.courses), 1u);

  advice.courses.escapes.pop_back();
  lines.clear();
  escape_sector_lines(advice, lines);
  verdict_lines(advice, lines);
  text.clear();
  for (const auto& line : lines) text += line + "\n";
  EXPECT_EQ(text.find("Recommended escape"), std::string::npos) << text;
  EXPECT_NE(text.find("Every [A] escape meets land: [A] recommends none."), std::string::npos);
  EXPECT_NE(text.find("escape via [A]\n     but every [A] escape meets land"), std::string::npos);
}

}  // namespace
}  // namespace hurricane::report
