// The layers of the maneuvering board, each appended to the SVG in drawing order. Every
// part draws from the advice only; none decides anything the advice has not decided.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/advice.h"
#include "picture/layout.h"
#include "picture/palette.h"

namespace hurricane::picture {

// What the legend lists: each layer marks what it drew, so the legend names only that.
struct Legend {
  bool open_courses = false, closed_courses = false, quarter = false, keep = false;
  bool present_track = false;   // the track of the present motion with its ticks
  bool forecast_track = false;  // the forecast track with its positions
  std::array<bool, 3> wind{};   // the 34-, 50- and 64-kt wind radii
  bool escape = false, max_cpa = false, relative_motion = false, away = false;
  bool cone = false, uncertainty = false;
  bool plan = false, shore = false;
};

struct Scene {
  const analysis::Advice& advice;
  Board board;
  const Palette& colours;
  Legend& legend;  // filled by the layers, read by the legend drawn last
};

// Ids of the shared definitions (patterns, clip paths) that draw_definitions writes.
inline constexpr const char* kPlotClip = "plot-clip";
inline constexpr const char* kClosedHatch = "closed-hatch";
inline constexpr const char* kQuarterHatch = "quarter-hatch";
inline constexpr const char* kInsetClip = "inset-clip";

void draw_definitions(const Scene& scene, std::string& out);
// The range rings with their labels, and the north arrow.
void draw_range_rings(const Scene& scene, std::string& out);
// The bearing ring: open and closed courses as a band, ticks and labels.
void draw_bearing_ring(const Scene& scene, std::string& out);
// The dangerous quarter: ahead of the storm, on its dangerous side for the hemisphere.
void draw_quarter(const Scene& scene, std::string& out);
// The distance to keep, the storm with its track and positions ahead: with a forecast, its
// track and wind radii; else the straight line of the present motion.
void draw_storm(const Scene& scene, std::string& out);
// Advice [B]'s relative motion line and CPA point, the course arrows, the ship.
void draw_courses(const Scene& scene, std::string& out);
// The shoreline within the board's reach, when the answer gave it.
void draw_shore(const Scene& scene, std::string& out);
// The escape plan: what to steer now, the ship's track and its positions at the storm's hours.
void draw_plan(const Scene& scene, std::string& out);
// The velocity diagram the admissibility rests on.
void draw_velocity_inset(const Scene& scene, std::string& out);
// Title, legend and caption.
void draw_texts(const Scene& scene, std::string& out);

// title_lines: the two title lines: what the picture is, and the six values with the
// hemisphere.
std::vector<std::string> title_lines(const analysis::Advice& advice);
// caption_lines: the verdict and the advice in words, and what the picture cannot show
// because its construction has no solution.
std::vector<std::string> caption_lines(const analysis::Advice& advice);

// The course of advice [B]'s arrow: its course when it has one, else the suggested course.
double max_cpa_course(const analysis::Advice& advice);

// time_to_go: a duration as the picture words it: "2 h 5 m", with days first when there are
// any, and seconds when `seconds`.
std::string time_to_go(analysis::Hours duration, bool seconds);

// has_cone: whether the danger cone exists (not so when the ship is inside the distance to
// keep, where its edges are NaN).
bool has_cone(const analysis::Advice& advice);

}  // namespace hurricane::picture
