// The words of the picture: title, legend, and the caption with the verdict.
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "picture/parts.h"
#include "picture/shapes.h"
#include "picture/svg.h"
#include "plane_geometry/bearing.h"
#include "plane_geometry/timday.h"
#include "plane_geometry/truncate.h"

namespace hurricane::picture {
namespace {

using analysis::Advice;

std::string degrees(double bearing) {
  return amount(bearing) + "°";
}

std::string range_text(const analysis::CourseRange& r) {
  return course3(r.first) + "°–" + course3(r.last) + "°";
}

const char* side_name(analysis::WindSide side) {
  return side == analysis::WindSide::kPort ? "port" : "starboard";
}

std::string verdict(const analysis::Verdict& v) {
  std::string words;
  switch (v.area) {
    case analysis::Area::kInternal:
      words = "Ship within the INTERNAL AREA of impact: keep the wind from ";
      words += side_name(v.keep_wind_on);
      words += ".";
      break;
    case analysis::Area::kExternal:
      words = "Ship in the EXTERNAL AREA of impact: escape via [B].";
      break;
    case analysis::Area::kDistant:
      words = "Ship still DISTANT to the hurricane: escape via [A].";
      break;
  }
  if (v.in_dangerous_quarter) words += " Ship is in the DANGEROUS QUARTER.";
  return words;
}

std::string advice_a(const analysis::CourseAdvice& a) {
  std::string words;
  if (!a.ranges.empty()) {
    words += "[A] Open courses (clockwise): ";
    constexpr std::size_t kListed = 4;
    for (std::size_t k = 0; k < a.ranges.size() && k < kListed; ++k) {
      words += (k ? ", " : "") + range_text(a.ranges[k]);
    }
    if (a.ranges.size() > kListed) {
      words += " and " + std::to_string(a.ranges.size() - kListed) + " more";
    }
    words += ".";
  } else if (a.all_courses) {
    words += "[A] All courses open.";
  } else {
    words += "[A] No course keeps the distance: escape not guaranteed.";
  }
  for (std::size_t k = 0; k < a.escapes.size(); ++k) {
    const analysis::Escape& e = a.escapes[k];
    words += (k ? ", " : " Escape ") + course3(e.course) + "°";
    if (e.speed_shown) words += " at ≥ " + fixed(e.speed, 1) + " kn";
    if (e.land) words += " (meets land: passed over)";
  }
  if (!a.escapes.empty()) words += ".";
  if (a.stay_possible) words += " Staying in place also keeps the distance.";
  return words;
}

std::string advice_b(const Advice& a) {
  const analysis::MaxCpa& b = a.max_cpa;
  std::string words = "[B] ";
  if (b.course) {
    words += "Maximum CPA " + fixed(b.cpa, 1) + " nm, time to go " +
             time_to_go(b.time_to_go, true) + ", on course " + fixed(*b.course, 1) + "°.";
  } else {
    if (b.kind == analysis::CpaCase::kFaster) {
      words += "CPA irrelevant, ship faster than the hurricane; ";
    } else if (b.kind == analysis::CpaCase::kAchieved) {
      words += "Maximum CPA " +
               std::to_string(plane_geometry::truncate_to_int(a.values.dist + 0.5)) +
               " nm already achieved; ";
    }
    words += "suggested course " + course3(b.suggested_course) + "°.";
  }
  if (b.slow_ship_hint) words += " Slow ships may steer at right angles to the track.";
  return words;
}

// What the picture lacks because its construction has no solution.
std::vector<std::string> missing(const Advice& a) {
  std::vector<std::string> lines;
  if (!has_cone(a)) {
    lines.push_back(
        "Not drawn: the danger cone and escape courses, which do not exist with the ship inside "
        "the distance to keep.");
  }
  if (!(a.values.speed > 0)) {
    lines.push_back(
        "Not drawn: track and positions ahead of a storm at rest; its quarter is taken from "
        "track 180° as the advice takes it.");
  }
  if (a.values.vship <= analysis::kLeastShipSpeed) {
    lines.push_back(
        "Not drawn: the circle of ship velocities, as the ship cannot move; every course "
        "equals staying in place.");
  }
  if (a.courses.ranges_incomplete) {
    lines.push_back(
        "The course ranges may be incomplete: the range finder met a list without a start.");
  }
  return lines;
}

struct LegendEntry {
  const char* item;   // the class of what it explains, as drawn on the board
  const char* words;  // nullptr: the wind radii, worded by what was drawn
  bool (*shown)(const Legend&);
  void (*swatch)(const Scene&, Screen, std::string&);
};

void band_swatch(std::string& out, Screen at, const std::string& fill, const std::string& ink) {
  element(out, "rect",
          {{"x", coord(at.x)},
           {"y", coord(at.y - 9)},
           {"width", "34"},
           {"height", "12"},
           {"fill", fill},
           {"stroke", ink},
           {"stroke-width", "0.8"}});
}

void storm_swatch(const Scene& s, Screen at, std::string& out) {
  element(out, "circle",
          {{"cx", coord(at.x + 6)},
           {"cy", coord(at.y - 3)},
           {"r", "5"},
           {"fill", s.colours.storm},
           {"stroke", s.colours.ink}});
}

// "34-, 50- and 64-kt wind radii", naming only the thresholds drawn.
std::string wind_words(const Legend& legend) {
  std::vector<std::string> drawn;
  for (std::size_t k = 0; k < legend.wind.size(); ++k) {
    if (legend.wind[k]) drawn.push_back(std::to_string(analysis::kWindRadiiKt[k]));
  }
  std::string words;
  for (std::size_t k = 0; k < drawn.size(); ++k) {
    words += drawn[k] + (k + 1 == drawn.size() ? "" : k + 2 == drawn.size() ? "- and " : "-, ");
  }
  return words + "-kt wind radii";
}

const LegendEntry kLegend[] = {
    {"plan", "escape plan, ship +12/24/48 h", [](const Legend& l) { return l.plan; },
     [](const Scene& s, Screen at, std::string& out) {
       arrow(out, {at.x, at.y - 3}, {at.x + 34, at.y - 3}, {s.colours.plan, 4.5, ""}, 12);
     }},
    {"shore", "shoreline", [](const Legend& l) { return l.shore; },
     [](const Scene& s, Screen at, std::string& out) {
       line(out, {at.x, at.y - 3}, {at.x + 34, at.y - 3}, {s.colours.shore, 1.6, ""});
     }},
    {"admissible", "open course at full speed [A]", [](const Legend& l) { return l.open_courses; },
     [](const Scene& s, Screen at, std::string& out) {
       band_swatch(out, at, s.colours.admissible, s.colours.ink);
     }},
    {"closed", "closed course", [](const Legend& l) { return l.closed_courses; },
     [](const Scene& s, Screen at, std::string& out) {
       band_swatch(out, at, std::string("url(#") + kClosedHatch + ")", s.colours.ink);
     }},
    {"dangerous-quarter", "dangerous quarter", [](const Legend& l) { return l.quarter; },
     [](const Scene& s, Screen at, std::string& out) {
       band_swatch(out, at, std::string("url(#") + kQuarterHatch + ")", s.colours.quarter);
     }},
    {"keep", "distance to keep", [](const Legend& l) { return l.keep; },
     [](const Scene& s, Screen at, std::string& out) {
       line(out, {at.x, at.y - 3}, {at.x + 34, at.y - 3}, {s.colours.storm, 2, "10,5"});
     }},
    {"track", "storm, straight track, +12/24/48 h", [](const Legend& l) { return l.present_track; },
     [](const Scene& s, Screen at, std::string& out) {
       line(out, {at.x + 6, at.y - 3}, {at.x + 34, at.y - 3}, {s.colours.storm, 1.5, "6,4"});
       line(out, {at.x + 24, at.y - 9}, {at.x + 24, at.y + 3}, {s.colours.storm, 2.5, ""});
       storm_swatch(s, at, out);
     }},
    {"forecast-track", "storm, forecast track, +12/24/48 h",
     [](const Legend& l) { return l.forecast_track; },
     [](const Scene& s, Screen at, std::string& out) {
       line(out, {at.x + 6, at.y - 3}, {at.x + 34, at.y - 3}, {s.colours.storm, 2, ""});
       element(out, "circle",
               {{"cx", coord(at.x + 27)},
                {"cy", coord(at.y - 3)},
                {"r", "4"},
                {"fill", s.colours.background},
                {"stroke", s.colours.storm},
                {"stroke-width", "2"}});
       storm_swatch(s, at, out);
     }},
    {"wind-radii", nullptr, [](const Legend& l) { return l.wind[0] || l.wind[1] || l.wind[2]; },
     [](const Scene& s, Screen at, std::string& out) {
       // One quarter of each drawn area, nested as the board draws them.
       for (std::size_t k = 0; k < s.legend.wind.size(); ++k) {
         if (!s.legend.wind[k]) continue;
         const double r = 30.0 - 9.0 * static_cast<double>(k);
         const char* dash = k == 0 ? "2,3" : k == 1 ? "7,3" : "none";
         element(
             out, "path",
             {{"d", "M" + coord(at.x + 2) + "," + coord(at.y + 3) + " L" + coord(at.x + 2) + "," +
                        coord(at.y + 3 - r * 0.45) + " A" + coord(r) + "," + coord(r * 0.45) +
                        " 0 0 1 " + coord(at.x + 2 + r) + "," + coord(at.y + 3) + " Z"},
              {"fill", s.colours.storm},
              {"fill-opacity", "0.12"},
              {"stroke", s.colours.storm},
              {"stroke-dasharray", dash}});
       }
     }},
    {"escape", "[A] escape course", [](const Legend& l) { return l.escape; },
     [](const Scene& s, Screen at, std::string& out) {
       arrow(out, {at.x, at.y - 3}, {at.x + 34, at.y - 3}, {s.colours.escape, 3.5, ""}, 10);
     }},
    {"max-cpa", "[B] course for largest CPA", [](const Legend& l) { return l.max_cpa; },
     [](const Scene& s, Screen at, std::string& out) {
       arrow(out, {at.x, at.y - 3}, {at.x + 34, at.y - 3}, {s.colours.max_cpa, 3, "9,4"}, 10);
     }},
    {"relative-motion", "[B] storm's relative motion, CPA",
     [](const Legend& l) { return l.relative_motion; },
     [](const Scene& s, Screen at, std::string& out) {
       line(out, {at.x, at.y - 3}, {at.x + 34, at.y - 3}, {s.colours.max_cpa, 2, "12,4,2,4"});
       element(out, "circle",
               {{"cx", coord(at.x + 17)},
                {"cy", coord(at.y - 3)},
                {"r", "5"},
                {"fill", s.colours.background},
                {"stroke", s.colours.max_cpa},
                {"stroke-width", "3"}});
     }},
    {"away", "course away from the storm", [](const Legend& l) { return l.away; },
     [](const Scene& s, Screen at, std::string& out) {
       arrow(out, {at.x, at.y - 3}, {at.x + 34, at.y - 3}, {s.colours.ink, 2.5, "2,3"}, 10);
     }},
    {"danger-cone", "danger cone (inset)", [](const Legend& l) { return l.cone; },
     [](const Scene& s, Screen at, std::string& out) {
       element(
           out, "path",
           {{"d", "M" + coord(at.x) + "," + coord(at.y - 3) + " L" + coord(at.x + 34) + "," +
                      coord(at.y - 10) + " L" + coord(at.x + 34) + "," + coord(at.y + 4) + " Z"},
            {"fill", s.colours.storm},
            {"fill-opacity", "0.15"},
            {"stroke", s.colours.storm},
            {"stroke-width", "1.5"}});
     }},
    {"uncertainty", "uncertainty U of V (inset)", [](const Legend& l) { return l.uncertainty; },
     [](const Scene& s, Screen at, std::string& out) {
       element(out, "circle",
               {{"cx", coord(at.x + 17)},
                {"cy", coord(at.y - 3)},
                {"r", "7"},
                {"fill", s.colours.uncertainty},
                {"fill-opacity", "0.55"},
                {"stroke", s.colours.ink},
                {"stroke-dasharray", "3,2"}});
     }},
};

void text_line(std::string& out, double x, double y, const std::string& colour, double size,
               const std::string& words, const char* weight = "normal") {
  text(out,
       {{"x", coord(x)},
        {"y", coord(y)},
        {"fill", colour},
        {"font-size", coord(size)},
        {"font-weight", weight}},
       words);
}

}  // namespace

std::string time_to_go(analysis::Hours duration, bool seconds) {
  int days = 0;
  int hours = 0;
  int minutes = 0;
  int secs = 0;
  plane_geometry::timday(duration.count(), days, hours, minutes, secs);
  std::string words = seconds || days > 0 ? std::to_string(days) + " d " : std::string();
  words += std::to_string(hours) + " h " + std::to_string(minutes) + " m";
  if (seconds) words += " " + std::to_string(secs) + " s";
  return words;
}

std::vector<std::string> title_lines(const Advice& a) {
  double bearing = a.values.bear;
  double track = a.values.track;
  plane_geometry::norma(bearing);
  plane_geometry::norma(track);
  return {
      "Maneuvering board: escape from the hurricane (ship at the centre, north up)",
      "Storm " + amount(a.values.dist) + " nm at " + degrees(bearing) + ", track " +
          degrees(track) + " at " + amount(a.values.speed) + " kn (U " + amount(a.values.dspeed) +
          " kn); keep " + amount(a.values.cpa) + " nm; ship " + amount(a.values.vship) + " kn; " +
          analysis::hemisphere_name(a.hemisphere) + "ern hemisphere",
  };
}

std::vector<std::string> caption_lines(const Advice& a) {
  std::vector<std::string> lines{verdict(a.verdict)};
  if (a.courses.moving_away) {
    lines.push_back("Hurricane moves away from ship: course away " +
                    course3(a.courses.course_away) + "°.");
  }
  lines.push_back(advice_a(a.courses));
  lines.push_back(advice_b(a));
  for (std::string& l : missing(a)) lines.push_back(std::move(l));
  return lines;
}

void draw_texts(const Scene& scene, std::string& out) {
  const Palette& c = scene.colours;
  const std::vector<std::string> title = title_lines(scene.advice);
  open(out, "g", {{"class", "title"}});
  text_line(out, 16, 28, c.ink, 18, title[0], "bold");
  text_line(out, 16, 52, c.ink, 15, title[1]);
  close(out, "g");

  open(out, "g", {{"class", "legend"}});
  double y = kLegendY;
  text_line(out, kLegendX, y, c.ink, 14, "Legend", "bold");
  for (const LegendEntry& entry : kLegend) {
    if (!entry.shown(scene.legend)) continue;
    y += 24;
    const std::string words = entry.words ? entry.words : wind_words(scene.legend);
    open(out, "g", {{"class", "legend-entry"}, {"data-item", entry.item}});
    entry.swatch(scene, {kLegendX, y}, out);
    text_line(out, kLegendX + 42, y, c.ink, 12, words);
    close(out, "g");
  }
  y += 28;
  text_line(out, kLegendX, y, c.ink, 12,
            "Range rings every " + amount(scene.board.ring_step_nm) + " nm.");
  text_line(out, kLegendX, y + 18, c.ink, 12, "Courses and bearings true.");
  close(out, "g");

  open(out, "g", {{"class", "caption"}});
  const std::vector<std::string> lines = caption_lines(scene.advice);
  for (std::size_t k = 0; k < lines.size(); ++k) {
    text_line(out, 16, kCaptionY + 18.0 * static_cast<double>(k), c.ink, 14, lines[k],
              k == 0 ? "bold" : "normal");
  }
  close(out, "g");
}

}  // namespace hurricane::picture
