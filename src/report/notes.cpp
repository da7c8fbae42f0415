#include <cmath>
#include <cstdio>

#include "report/report.h"

namespace hurricane::report {

Lines notes_lines(const analysis::Advice& advice) {
  Lines out;
  for (const analysis::Escape& escape : advice.courses.escapes) {
    if (!escape.little_reserve) continue;
    char text[128];
    std::snprintf(text, sizeof text,
                  "     little reserve: course %d needs %.1f of the ship's %.1f kn (%.0f%%)",
                  escape.course, escape.speed, advice.values.vship,
                  std::floor(*escape.speed_needed_fraction * 100.0));
    out.emplace_back(text);
  }
  if (advice.max_cpa.ship_cannot_move) {
    out.emplace_back(
        " [B] The ship cannot move (top speed 0 kn): no course changes the CPA, and the course "
        "above is no advice.");
  }
  return out;
}

}  // namespace hurricane::report
