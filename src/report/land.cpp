#include <cmath>
#include <cstdio>
#include <string>

#include "console/free_line.h"
#include "plane_geometry/latlon_text.h"
#include "report/report.h"

namespace hurricane::report {

std::string land_meeting_line(const analysis::LandMeeting& meeting) {
  char hour[32];
  std::snprintf(hour, sizeof hour, "%.1f", meeting.hour);
  const std::string text = "    meets land at +" + std::string(hour) + " h near " +
                           plane_geometry::degrees_minutes(meeting.lat, meeting.lon);
  return std::string(console::FreeLine().text(text).str());
}

void land_note_lines(const analysis::LandCheckInfo& land, Lines& out) {
  switch (land.check) {
    case analysis::LandCheck::kNoPosition:
      return;
    case analysis::LandCheck::kOff:
      out.emplace_back(console::FreeLine().text("    Land not checked (--no-land).").str());
      return;
    case analysis::LandCheck::kChecked: {
      char hours[32];
      std::snprintf(hours, sizeof hours, "%.0f", land.horizon_h);
      const std::string checked =
          "    Land checked " + std::string(hours) + " h ahead against the shoreline";
      out.emplace_back(console::FreeLine().text(checked).str());
      out.emplace_back(console::FreeLine().text("    " + land.shoreline + ".").str());
      out.emplace_back(
          console::FreeLine()
              .text("    Reefs, shoals and small islands are not in it: check the chart.")
              .str());
      return;
    }
  }
}

}  // namespace hurricane::report
