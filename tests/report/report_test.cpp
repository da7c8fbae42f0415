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
    a.area = area;
    a.hemisphere = hemisphere;
    a.dangerous_quarter = quarter;
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
  a.numc = 4;
  a.ranges = {{350, 10}, {100, 120}};
  a.escapes = {{5, 3.04, true}, {110, 99.95, true}};
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
  b.numc = 6;
  b.ranges = {{1, 2}, {3, 4}, {5, 6}};
  b.moving_away = true;
  b.kanti = 360;
  b.stay_possible = true;
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
  none.all_courses = true;
  lines.clear();
  escape_sector_lines(none, lines);
  EXPECT_EQ(joined(lines), " [A] All courses possible\n");
}

TEST(MaxCpaLines, EachCase) {
  Advice a;
  a.max_cpa.kind = analysis::CpaCase::kAchieved;
  a.max_cpa.icpa = 1000;
  a.max_cpa.ibecpa = 95;
  a.max_cpa.slow_ship_hint = true;
  Lines lines;
  max_cpa_lines(a, lines);
  EXPECT_EQ(joined(lines),
            "     Maximum of CPA = 1000 [nm] already achieved!\n"
            "     (Suggested course would be 95 degrees)\n"
            "  \n"
            "     (Slow ships may take direction orthogonal to HUR-track)\n");
}

TEST(ResultLines, TheRangeFinderErrorComesFirst) {
  Advice a;
  a.limits_error = true;
  const Lines lines = result_lines(a);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), " # ???????? error kfeld ????????");
}

}  // namespace
}  // namespace hurricane::report
