#include <cmath>
#include <cstdio>
#include <string>

#include "console/free_line.h"
#include "report/report.h"

namespace hurricane::report {
namespace {

// "22.9N", "82.1W": degrees to 0.1, the letter from the sign after rounding (0.0 is N or E).
std::string degrees(double value, char positive, char negative) {
  const double rounded = std::round(value * 10.0) / 10.0;
  char text[16];
  std::snprintf(text, sizeof text, "%.1f%c", std::fabs(rounded),
                rounded < 0.0 ? negative : positive);
  return text;
}

}  // namespace

std::string land_meeting_line(const analysis::LandMeeting& meeting) {
  char hour[32];
  std::snprintf(hour, sizeof hour, "%.1f", meeting.hour);
  const std::string text = "    meets land at +" + std::string(hour) + " h near " +
                           degrees(meeting.lat, 'N', 'S') + " " + degrees(meeting.lon, 'E', 'W');
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
