#include "dialogue/attribution.h"

#include "console/free_line.h"
#include "plane_geometry/truncate.h"

namespace hurricane::dialogue {

void myname(const double& day, const double& month, const double& year, Terminal& terminal) {
  const int md = plane_geometry::truncate_to_int(day);
  const int mm = plane_geometry::truncate_to_int(month);
  const int my = plane_geometry::truncate_to_int(year);
  if (md != 17 || mm != 9 || my != 1961) return;

  using console::FreeLine;
  auto& out = terminal.output;
  out.line(FreeLine().text("hurricane-escape: console advisor for escaping a hurricane").str());
  out.line(FreeLine().text("Written and maintained by the hurricane-escape developers").str());
  out.line(FreeLine().text("Advice only; the navigator keeps the responsibility").str());
  out.empty_lines(1);
  out.line("          ------  hit [ENTER] to continue :");
  // xcar, the first character typed, is not used: any answer continues.
  terminal.read_line(1, "ENTER at the attribution screen");
}

}  // namespace hurricane::dialogue
