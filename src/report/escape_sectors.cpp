#include "console/fixed_line.h"
#include "console/free_line.h"
#include "report/report.h"

namespace hurricane::report {
namespace {

using console::FixedLine;
using console::FreeLine;

void write_range(const analysis::CourseRange& range, Lines& out) {
  out.emplace_back(FixedLine()
                       .text("   ")
                       .integer(range.first, 5)
                       .text("  and")
                       .integer(range.last, 5)
                       .text(" degrees")
                       .str());
}

}  // namespace

void escape_sector_lines(const analysis::Advice& advice, Lines& out) {
  const analysis::CourseAdvice& a = advice.courses;
  if (a.moving_away) {
    out.emplace_back(FreeLine().text("    Hurricane moves away from ship.").str());
    out.emplace_back(FreeLine()
                         .text("[A] Escape against hurricane-bearing, course=")
                         .integer(a.course_away)
                         .str());
  }
  if (!a.ranges.empty()) {
    out.emplace_back(FreeLine().text("    Possible courses are [clockwise] between:").str());
  } else if (a.all_courses) {
    out.emplace_back(FreeLine().text("[A] All courses possible").str());
  } else {
    out.emplace_back(FreeLine().text("    Escape not guaranteed!").str());
  }
  // Three or more ranges: only the first is shown.
  if (!a.ranges.empty()) write_range(a.ranges[0], out);
  if (a.ranges.size() == 2) {
    write_range(a.ranges[1], out);
    out.emplace_back(FreeLine().text("    (Two directions for escape possible)").str());
  }
  for (const analysis::Escape& escape : a.escapes) {
    // An escape whose track meets land is named but passed over.
    out.emplace_back(escape.land ? FixedLine()
                                       .text("[A] Escape course =")
                                       .integer(escape.course, 4)
                                       .text(" degrees, passed over: meets land")
                                       .str()
                                 : FixedLine()
                                       .text("[A] Recommended escape course =")
                                       .integer(escape.course, 4)
                                       .text(" degrees")
                                       .str());
    if (escape.speed_shown) {
      out.emplace_back(FixedLine()
                           .text("    and minimal speed of ship=")
                           .real(escape.speed, 4, 1)
                           .text(" kts")
                           .str());
    }
    if (escape.land) out.emplace_back(land_meeting_line(*escape.land));
  }
  if (!a.escapes.empty() && !analysis::recommended_escape(a)) {
    out.emplace_back(
        FreeLine().text("    Every [A] escape meets land: [A] recommends none.").str());
  }
  if (a.stay_possible) {
    out.emplace_back(FreeLine().text("    (Remaining on place would also be possible)").str());
  }
  land_note_lines(a.land, out);
}

}  // namespace hurricane::report
