#include "report/escape_sectors.h"

#include <cmath>

#include "console/fixed_line.h"
#include "console/free_line.h"

namespace hurricane::report {
namespace {

using analysis::RoundAnalysis;
using console::FixedLine;
using console::FreeLine;

// An escape: a whole-degree course and the ship speed it needs.
struct Escape {
  int course;    // 0..359
  double speed;  // kn; only its size counts
};

// Whether the round's own course field rates the escape course admissible at
// full speed (course 0 is the field's course 360).
bool admissible(const RoundAnalysis& a, const Escape& escape) {
  const int course = escape.course == 0 ? 360 : escape.course;
  return course >= 1 && course <= 360 && a.icrs[static_cast<std::size_t>(course)] == 0;
}

void write_escape(const RoundAnalysis& a, const Escape& escape, console::Output& out) {
  out.line(FixedLine()
               .text("[A] Recommended escape course =")
               .integer(escape.course, 4)
               .text(" degrees")
               .str());
  if (a.karea != 0) {
    out.line(FixedLine()
                 .text("    and minimal speed of ship=")
                 .real(std::fabs(escape.speed), 4, 1)
                 .text(" kts")
                 .str());
  }
}

void write_range(int first, int last, console::Output& out) {
  out.line(FixedLine()
               .text("   ")
               .integer(first, 5)
               .text("  and")
               .integer(last, 5)
               .text(" degrees")
               .str());
}

// The escapes recommended with one or two admissible ranges, the cheaper one
// first. An escape whose course the field itself rates inadmissible is never
// recommended: with one range the other escape stands in for it.
void write_escapes(const RoundAnalysis& a, console::Output& out) {
  Escape first{a.kben1, a.rn1k};
  Escape second{a.kben2, a.rn2k};
  if (!(std::fabs(a.rn1k) <= std::fabs(a.rn2k))) std::swap(first, second);

  if (a.numc == 4) {
    for (const Escape& escape : {first, second}) {
      if (admissible(a, escape)) write_escape(a, escape, out);
    }
  } else if (a.numc == 2) {
    if (admissible(a, first)) {
      write_escape(a, first, out);
    } else if (admissible(a, second)) {
      write_escape(a, second, out);
    }
  }
}

}  // namespace

Area write_escape_sectors(const analysis::RoundValues& values, const RoundAnalysis& a,
                          console::Output& out) {
  // With no range every course shares one verdict, read from any entry.
  const bool every_course = a.numc == 0 && a.icrs[360] == 0;

  if (a.kdir == 2) {
    out.line(FreeLine().text("    Hurricane moves away from ship.").str());
    out.line(
        FreeLine().text("[A] Escape against hurricane-bearing, course=").integer(a.kanti).str());
  }
  if (a.numc > 0) {
    out.line(FreeLine().text("    Possible courses are [clockwise] between:").str());
  } else if (every_course) {
    out.line(FreeLine().text("[A] All courses possible").str());
  } else {
    out.line(FreeLine().text("    Escape not guaranteed!").str());
  }
  if (a.numc > 1) write_range(a.kcrs[1], a.kcrs[2], out);
  if (a.numc == 4) {
    write_range(a.kcrs[3], a.kcrs[4], out);
    out.line(FreeLine().text("    (Two directions for escape possible)").str());
  }

  Area area = Area::kDistant;
  if (a.numc == 0 && !every_course) area = Area::kExternal;
  if (values.dist < values.cpa) area = Area::kInternal;

  write_escapes(a, out);
  if (a.karea == 0) {
    out.line(FreeLine().text("    (Remaining on place would also be possible)").str());
  }
  return area;
}

}  // namespace hurricane::report
