// The frame of the board: shared definitions, range rings, north arrow and bearing ring.
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "picture/parts.h"
#include "picture/shapes.h"
#include "picture/svg.h"

namespace hurricane::picture {
namespace {

std::string url(const char* id) {
  return std::string("url(#") + id + ")";
}

// ring_label: a range in nautical miles as the ring label shows it (200, 2.5, 1e+06).
std::string ring_label(double nm) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", nm);
  return buffer;
}

void draw_north_arrow(const Scene& scene, std::string& out) {
  const Screen base{40, 150};
  const Screen tip{base.x, base.y - 44};
  arrow(out, base, tip, {scene.colours.ink, 2, ""}, 14);
  text(out,
       {{"x", coord(tip.x)},
        {"y", coord(tip.y - 6)},
        {"fill", scene.colours.ink},
        {"font-size", "16"},
        {"font-weight", "bold"},
        {"text-anchor", "middle"}},
       "N");
}

}  // namespace

bool has_cone(const analysis::Advice& advice) {
  return advice.drawing.cone.has_value();
}

void draw_definitions(const Scene& scene, std::string& out) {
  const Palette& c = scene.colours;
  open(out, "defs", {});
  open(out, "clipPath", {{"id", kPlotClip}});
  element(out, "circle",
          {{"cx", coord(kBoardX)}, {"cy", coord(kBoardY)}, {"r", coord(kPlotRadius)}});
  close(out, "clipPath");
  open(out, "clipPath", {{"id", kInsetClip}});
  element(out, "rect",
          {{"x", coord(kInsetX)},
           {"y", coord(kInsetY)},
           {"width", coord(kInsetSize)},
           {"height", coord(kInsetSize)}});
  close(out, "clipPath");
  // Closed courses: a light ground under dark diagonal lines, so they differ from the solid
  // open courses in print as well as in colour.
  open(out, "pattern",
       {{"id", kClosedHatch},
        {"width", "6"},
        {"height", "6"},
        {"patternUnits", "userSpaceOnUse"},
        {"patternTransform", "rotate(45)"}});
  element(out, "rect", {{"width", "6"}, {"height", "6"}, {"fill", c.closed}});
  element(out, "line",
          {{"x1", "0"},
           {"y1", "0"},
           {"x2", "0"},
           {"y2", "6"},
           {"stroke", c.closed_hatch},
           {"stroke-width", "1.5"}});
  close(out, "pattern");
  // The dangerous quarter: crossed lines, wider apart, so it never reads as closed courses
  // even where the night palette leaves the two near in colour.
  open(out, "pattern",
       {{"id", kQuarterHatch},
        {"width", "12"},
        {"height", "12"},
        {"patternUnits", "userSpaceOnUse"},
        {"patternTransform", "rotate(-45)"}});
  element(out, "line",
          {{"x1", "0"},
           {"y1", "0"},
           {"x2", "0"},
           {"y2", "12"},
           {"stroke", c.quarter},
           {"stroke-width", "2.5"}});
  element(out, "line",
          {{"x1", "0"},
           {"y1", "0"},
           {"x2", "12"},
           {"y2", "0"},
           {"stroke", c.quarter},
           {"stroke-width", "1.2"}});
  close(out, "pattern");
  close(out, "defs");
}

void draw_range_rings(const Scene& scene, std::string& out) {
  const Palette& c = scene.colours;
  open(out, "g", {{"class", "range-rings"}, {"data-step-nm", exact(scene.board.ring_step_nm)}});
  for (int k = 1; k <= scene.board.rings; ++k) {
    const double nm = k * scene.board.ring_step_nm;
    const double r = nm * scene.board.px_per_nm;
    element(out, "circle",
            {{"cx", coord(kBoardX)},
             {"cy", coord(kBoardY)},
             {"r", coord(r)},
             {"fill", "none"},
             {"stroke", c.faint},
             {"stroke-width", k == scene.board.rings ? "1.5" : "1"}});
    // Labels just inside each ring to the north-east, where the advice draws least often.
    const Screen at = at_bearing(kBoardX, kBoardY, 45, r);
    text(out,
         {{"x", coord(at.x - 4)},
          {"y", coord(at.y + 12)},
          {"fill", c.faint},
          {"font-size", "11"},
          {"text-anchor", "end"}},
         ring_label(nm) + (k == scene.board.rings ? " nm" : ""));
  }
  // Cross hairs through the ship along north-south and east-west.
  for (const double b : {0.0, 90.0}) {
    line(out, at_bearing(kBoardX, kBoardY, b, kPlotRadius),
         at_bearing(kBoardX, kBoardY, b + 180, kPlotRadius), {c.faint, 0.6, "2,4"});
  }
  close(out, "g");
  draw_north_arrow(scene, out);
}

void draw_bearing_ring(const Scene& scene, std::string& out) {
  const Palette& c = scene.colours;
  const analysis::Advice& a = scene.advice;
  open(out, "g", {{"class", "bearing-ring"}});
  scene.legend.open_courses = a.courses.all_courses || !a.courses.ranges.empty();
  scene.legend.closed_courses = !a.courses.all_courses;
  // The whole band closed first; the open ranges on top.
  element(out, "path",
          {{"class", "closed"},
           {"d", sector_path(kBoardX, kBoardY, kBandInner, kBandOuter, 0, 360)},
           {"fill", url(kClosedHatch)},
           {"fill-rule", "evenodd"},
           {"stroke", c.ink},
           {"stroke-width", "0.8"}});
  const auto open_sector = [&](int first, int last, double from, double span, bool all) {
    element(out, "path",
            {{"class", "admissible"},
             {"data-first", std::to_string(first)},
             {"data-last", std::to_string(last)},
             {"data-all-courses", all ? "true" : "false"},
             {"d", sector_path(kBoardX, kBoardY, kBandInner, kBandOuter, from, span)},
             {"fill", c.admissible},
             {"fill-rule", "evenodd"},
             {"stroke", c.ink},
             {"stroke-width", "0.8"}});
  };
  if (a.courses.all_courses) {
    open_sector(1, 360, 0, 360, true);
  }
  for (const analysis::CourseRange& r : a.courses.ranges) {
    // A range holds the whole-degree courses first to last; one course alone gets one degree.
    int span = r.last - r.first;
    if (span < 0) span += 360;
    if (span == 0) {
      open_sector(r.first, r.last, r.first - 0.5, 1, false);
    } else {
      open_sector(r.first, r.last, r.first, span, false);
    }
    // The limits written just inside the band, as the report lists them: within the range
    // when it is wide enough for both, else outside its ends.
    constexpr double kLabelShift = 5;  // degrees from the limit to the label's centre
    const double inward = span >= 4 * kLabelShift ? kLabelShift : -kLabelShift;
    for (const auto& [limit, shift] : {std::pair{r.first, inward}, std::pair{r.last, -inward}}) {
      const Screen at = at_bearing(kBoardX, kBoardY, limit + shift, kBandInner - 12);
      text(out,
           {{"x", coord(at.x)},
            {"y", coord(at.y + 4)},
            {"fill", c.ink},
            {"font-size", "12"},
            {"font-weight", "bold"},
            {"text-anchor", "middle"}},
           course3(limit));
    }
  }
  for (int b = 0; b < 360; b += 10) {
    const bool major = b % 30 == 0;
    line(out, at_bearing(kBoardX, kBoardY, b, kBandOuter),
         at_bearing(kBoardX, kBoardY, b, major ? kTickMajor : kTickMinor),
         {c.ink, major ? 1.5 : 1.0, ""});
    if (major) {
      const Screen at = at_bearing(kBoardX, kBoardY, b, kBearingLabel);
      text(out,
           {{"x", coord(at.x)},
            {"y", coord(at.y + 5)},
            {"fill", c.ink},
            {"font-size", "14"},
            {"text-anchor", "middle"}},
           course3(b));
    }
  }
  close(out, "g");
}

}  // namespace hurricane::picture
