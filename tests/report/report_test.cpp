// The classic report as lines of an Advice: which lines each value brings, in which order.
#include "report/report.h"

#include <gtest/gtest.h>

#include <string>

namespace hurricane::report {
namespace {

using analysis::Advice;
using analysis::Area;
using analysis::Hemisphere;

std::string joined(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

TEST(Verdict, EachAreaInBothHemispheres) {
  Advice a;
  const auto verdict = [&](Area area, Hemisphere hemisphere, bool quarter) {
    a.verdict = analysis::Verdict{
        area, quarter,
        hemisphere == Hemisphere::kSouth ? analysis::TrackSide::kLeft : analysis::TrackSide::kRight,
        hemisphere == Hemisphere::kSouth ? analysis::WindSide::kPort
                                         : analysis::WindSide::kStarboard};
    Lines lines;
    verdict_lines(a, lines);
    return joined(lines);
  };
  EXPECT_EQ(verdict(Area::kDistant, Hemisphere::kNorth, false),
            " ===> Ship still DISTANT to hurricane, escape via [A]\n");
  EXPECT_EQ(verdict(Area::kExternal, Hemisphere::kSouth, true),
            "     Ship is in DANGEROUS QUARTER of hurricane\n"
            " ===> Ship already in EXTERNAL AREA of IMPACT ! of hurricane, escape via [B]\n");
  EXPECT_EQ(verdict(Area::kInternal, Hemisphere::kNorth, false),
            " ===> Ship now within INTERNAL AREA of IMPACT !!! of hurricane,\n"
            "     keep wind from starbord and hope!\n");
  EXPECT_EQ(verdict(Area::kInternal, Hemisphere::kSouth, false),
            " ===> Ship now within INTERNAL AREA of IMPACT !!! of hurricane,\n"
            "     keep wind from port and hope!\n");
}

TEST(EscapeSectors, RangesEscapesAndStaying) {
  Advice a;
  a.courses.ranges = {{350, 10}, {100, 120}};
  a.courses.escapes = {{5, 3.04, true, {}, {}, false}, {110, 99.95, true, {}, {}, false}};
  Lines lines;
  escape_sector_lines(a, lines);
  EXPECT_EQ(joined(lines),
            "     Possible courses are [clockwise] between:\n"
            "      350  and   10 degrees\n"
            "      100  and  120 degrees\n"
            "     (Two directions for escape possible)\n"
            " [A] Recommended escape course =   5 degrees\n"
            "     and minimal speed of ship= 3.0 kts\n"
            " [A] Recommended escape course = 110 degrees\n"
            "     and minimal speed of ship=**** kts\n");

  // Three ranges: the first alone; moving away and staying possible.
  Advice b;
  b.courses.ranges = {{1, 2}, {3, 4}, {5, 6}};
  b.courses.moving_away = true;
  b.courses.course_away = 360;
  b.courses.stay_possible = true;
  lines.clear();
  escape_sector_lines(b, lines);
  EXPECT_EQ(joined(lines),
            "     Hurricane moves away from ship.\n"
            " [A] Escape against hurricane-bearing, course= 360\n"
            "     Possible courses are [clockwise] between:\n"
            "        1  and    2 degrees\n"
            "     (Remaining on place would also be possible)\n");

  Advice none;
  lines.clear();
  escape_sector_lines(none, lines);
  EXPECT_EQ(joined(lines), "     Escape not guaranteed!\n");
  none.courses.all_courses = true;
  lines.clear();
  escape_sector_lines(none, lines);
  EXPECT_EQ(joined(lines), " [A] All courses possible\n");
}

TEST(MaxCpaLines, EachCase) {
  Advice a;
  a.max_cpa.kind = analysis::CpaCase::kAchieved;
  a.values.dist = 999.5;  // shown rounded half up
  a.max_cpa.cpa = 999.5;
  a.max_cpa.suggested_course = 95;
  a.max_cpa.slow_ship_hint = true;
  Lines lines;
  max_cpa_lines(a, lines);
  EXPECT_EQ(joined(lines),
            "     Maximum of CPA = 1000 [nm] already achieved!\n"
            "     (Suggested course would be 95 degrees)\n"
            "  \n"
            "     (Slow ships may take direction orthogonal to HUR-track)\n");
}

TEST(MaxCpaLines, TheCpaAheadWithItsTimeToGoInWholeSeconds) {
  Advice a;
  a.values.dist = 1000;
  a.max_cpa.kind = analysis::CpaCase::kCpaAhead;
  a.max_cpa.cpa = 688.62;
  a.max_cpa.course = 141.46;
  a.max_cpa.time_to_go = analysis::Hours(85.4560);  // 3 d 13 h 27 m 21.6 s
  a.max_cpa.suggested_course = 141;
  Lines lines;
  max_cpa_lines(a, lines);
  EXPECT_EQ(joined(lines),
            "     Maximally possible CPA = 688.6 nm\n"
            "     with time-to-go=  3 d 13 h 27 m 22 s\n"
            " [B] For probable CPA-max, take the course = 141.5 degrees!\n"
            "  \n");
}

TEST(ResultLines, TheRangeFinderErrorComesFirst) {
  Advice a;
  a.courses.ranges_incomplete = true;
  const Lines lines = result_lines(a);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), " # ???????? error kfeld ????????");
}

}  // namespace
}  // namespace hurricane::report
