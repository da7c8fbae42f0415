#include "cli/provenance_lines.h"

#include <cstdio>

namespace hurricane::cli {
namespace {

using situation::format_position;
using situation::format_utc_time;

// "   distance       2997.7 nm   " and the source: label, value to 0.1, unit.
std::string value_line(const char* label, double value, const char* unit, const std::string& from) {
  char text[48];
  std::snprintf(text, sizeof text, "   %-13s%7.1f %-5s", label, value, unit);
  return text + from;
}

std::string fix_text(const situation::StormFix& fix) {
  return format_position(fix.centre) + " at " + format_utc_time(fix.time);
}

}  // namespace

std::vector<std::string> provenance_lines(const situation::Derived& d,
                                          const analysis::Answers& answers,
                                          std::string_view motion_from,
                                          std::string_view moved_along) {
  std::vector<std::string> lines;
  lines.emplace_back(" Derived from positions on the WGS84 ellipsoid:");
  if (d.ship) lines.push_back("   ship         " + format_position(*d.ship));
  if (d.storm) {
    std::string line = "   HUR centre   " + format_position(*d.storm);
    if (d.storm_time) line += " at " + format_utc_time(*d.storm_time);
    lines.push_back(line);
    if (d.moved_from) {
      char hours[32];
      std::snprintf(hours, sizeof hours, "%.1f h", d.hours_moved);
      lines.push_back(std::string("                moved ") + hours + " along " +
                      std::string(moved_along) + " from " + format_position(*d.moved_from));
    } else if (d.fixes) {
      lines.emplace_back(d.storm_from_fix ? "                the later fix"
                                          : "                given, at the later fix's time");
    }
  }
  if (d.ship) {
    lines.push_back(value_line("distance", answers.dist0, "nm", "geodesic from ship to HUR"));
    lines.push_back(value_line("bearing", answers.bear0, "deg", "its direction at the ship"));
  } else {
    lines.push_back(value_line("distance", answers.dist0, "nm", "given"));
    lines.push_back(value_line("bearing", answers.bear0, "deg", "given"));
  }
  if (d.fixes) {
    const situation::StormFix& later = (*d.fixes)[1];
    const double hours = situation::hours_between((*d.fixes)[0].time, later.time);
    lines.push_back(value_line(
        "track", answers.track0, "deg",
        d.moved_from ? "from the fixes, at the moved centre" : "from the fixes, at the later one"));
    char from[64];
    std::snprintf(from, sizeof from, "from the fixes, %.1f h apart", hours);
    lines.push_back(value_line("speed", answers.speed0, "kn", from));
    lines.push_back("   fix 1        " + fix_text((*d.fixes)[0]));
    lines.push_back("   fix 2        " + fix_text(later));
  } else {
    const std::string given(motion_from);
    lines.push_back(value_line("track", answers.track0, "deg",
                               d.moved_from ? given + ", at the moved centre" : given));
    lines.push_back(value_line("speed", answers.speed0, "kn", given));
  }
  lines.emplace_back("");
  return lines;
}

}  // namespace hurricane::cli
