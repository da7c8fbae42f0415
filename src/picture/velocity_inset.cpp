// The velocity diagram of the admissibility test: the storm's velocity V from the cone's
// apex, the disk of its uncertainty U, the circle of relative velocities the ship can make at
// full speed (open courses marked on it), and the edges of the danger cone.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "picture/parts.h"
#include "picture/shapes.h"
#include "picture/svg.h"

namespace hurricane::picture {
namespace {

// The diagram's frame: where the apex lies and how many pixels a knot is, so that the apex,
// V's tip and both circles around it fit the box.
struct Frame {
  double origin_x = 0;
  double origin_y = 0;
  double px_per_kn = 1;
};

constexpr double kMargin = 14;
constexpr double kTitleHeight = 18;

Frame frame_for(const analysis::Advice& a) {
  const double r = std::max(a.values.dspeed, a.values.vship);
  const double north_min = std::min(0.0, a.drawing.storm_velocity.north - r);
  const double north_max = std::max(0.0, a.drawing.storm_velocity.north + r);
  const double east_min = std::min(0.0, a.drawing.storm_velocity.east - r);
  const double east_max = std::max(0.0, a.drawing.storm_velocity.east + r);
  double extent = std::max(north_max - north_min, east_max - east_min);
  const bool usable = std::isfinite(extent) && extent > 0;
  if (!usable) extent = 1;
  const double room = kInsetSize - 2 * kMargin - kTitleHeight;
  Frame f;
  f.px_per_kn = room / extent;
  const double mid_east = usable ? (east_min + east_max) / 2 : 0;
  const double mid_north = usable ? (north_min + north_max) / 2 : 0;
  f.origin_x = kInsetX + kInsetSize / 2 - mid_east * f.px_per_kn;
  f.origin_y = kInsetY + kTitleHeight + (kInsetSize - kTitleHeight) / 2 + mid_north * f.px_per_kn;
  return f;
}

// Screen point of a velocity (kn north, kn east) drawn from the apex.
Screen velocity_point(const Frame& f, double north, double east) {
  return {f.origin_x + east * f.px_per_kn, f.origin_y - north * f.px_per_kn};
}

// How a circle of the inset is painted: its fill, and a dashed outline 1.5 px wide.
struct CircleStyle {
  std::string fill;
  std::string fill_opacity;
  std::string stroke;
  std::string dash;
};

void circle(std::string& out, Screen centre, double r, const CircleStyle& style) {
  element(out, "circle",
          {{"cx", coord(centre.x)},
           {"cy", coord(centre.y)},
           {"r", coord(r)},
           {"fill", style.fill},
           {"fill-opacity", style.fill_opacity},
           {"stroke", style.stroke},
           {"stroke-width", "1.5"},
           {"stroke-dasharray", style.dash}});
}

// The inset's box and title, and the group its drawing goes in, clipped to the box.
void open_inset(const Scene& scene, std::string& out) {
  const analysis::Advice& a = scene.advice;
  const Palette& c = scene.colours;
  const std::optional<analysis::DangerCone>& cone = a.drawing.cone;
  element(out, "rect",
          {{"x", coord(kInsetX)},
           {"y", coord(kInsetY)},
           {"width", coord(kInsetSize)},
           {"height", coord(kInsetSize)},
           {"fill", c.background},
           {"stroke", c.ink},
           {"stroke-width", "1"}});
  text(
      out,
      {{"x", coord(kInsetX + 6)}, {"y", coord(kInsetY + 15)}, {"fill", c.ink}, {"font-size", "12"}},
      "Velocity diagram (kn), apex = storm");
  open(out, "g",
       {{"class", "velocity-diagram"},
        {"data-be1", cone ? exact(cone->edge1) : "none"},
        {"data-be2", cone ? exact(cone->edge2) : "none"},
        {"data-dspeed", exact(a.values.dspeed)},
        {"data-vship", exact(a.values.vship)},
        {"clip-path", std::string("url(#") + kInsetClip + ")"}});
}

// The danger cone from the apex: the relative velocities that bring the storm too near.
void draw_danger_cone(const Scene& scene, const analysis::DangerCone& cone, Screen apex,
                      std::string& out) {
  const Palette& c = scene.colours;
  scene.legend.cone = true;
  double span = std::fmod(cone.edge2 - cone.edge1, 360.0);
  if (span < 0) span += 360;
  const double reach = 2 * kInsetSize;  // to the box's edge, clipped there
  element(out, "path",
          {{"class", "danger-cone"},
           {"d", sector_path(apex.x, apex.y, 0, reach, cone.edge1, span)},
           {"fill", c.storm},
           {"fill-opacity", "0.15"},
           {"stroke", "none"}});
  for (const double edge : {cone.edge1, cone.edge2}) {
    line(out, apex, at_bearing(apex.x, apex.y, edge, reach), {c.storm, 1.5, ""});
  }
}

// The ship's speed circle around the storm velocity's tip, with the arcs of the open courses.
void draw_ship_circle(const Scene& scene, Screen tip, double ship_r, std::string& out) {
  const analysis::Advice& a = scene.advice;
  const Palette& c = scene.colours;
  circle(out, tip, ship_r, {"none", "1", c.escape, "4,3"});
  // Course c moves the relative velocity to V minus the ship's velocity: the point of the
  // circle at bearing c + 180 from V's tip.
  const auto open_arc = [&](double from, double span) {
    element(out, "path",
            {{"class", "open-on-circle"},
             {"d", sector_path(tip.x, tip.y, std::max(0.0, ship_r - 2.5), ship_r + 2.5, from + 180,
                               span)},
             {"fill", c.admissible},
             {"fill-rule", "evenodd"}});
  };
  if (a.courses.all_courses) open_arc(0, 360);
  for (const analysis::CourseRange& r : a.courses.ranges) {
    int span = r.last - r.first;
    if (span < 0) span += 360;
    open_arc(span == 0 ? r.first - 0.5 : r.first, span == 0 ? 1 : span);
  }
  label(out, at_bearing(tip.x, tip.y, 315, ship_r), 315, c.escape, "ship", 11);
}

// At the storm velocity's tip: its uncertainty circle, the ship's circle, V and U.
void draw_at_tip(const Scene& scene, const Frame& frame, Screen apex, Screen tip,
                 std::string& out) {
  const analysis::Advice& a = scene.advice;
  const Palette& c = scene.colours;
  const double v = std::hypot(a.drawing.storm_velocity.north, a.drawing.storm_velocity.east);
  const double u = a.values.dspeed;
  const double px_per_kn = frame.px_per_kn;
  if (u * px_per_kn >= 1) {
    scene.legend.uncertainty = true;
    open(out, "g", {{"class", "uncertainty"}, {"data-dspeed", exact(u)}});
    circle(out, tip, u * px_per_kn, {c.uncertainty, "0.55", c.ink, "3,2"});
    close(out, "g");
  }
  const double ship_r = a.values.vship * px_per_kn;
  if (ship_r >= 1) draw_ship_circle(scene, tip, ship_r, out);
  if (v * px_per_kn >= 4) {
    arrow(out, apex, tip, {c.storm, 2.5, ""}, 10);
    label(out, tip, a.drawing.track, c.ink, "V", 12);
  }
  if (u * px_per_kn >= 6) {
    label(out, at_bearing(tip.x, tip.y, 135, u * px_per_kn), 135, c.ink, "U", 11);
  }
}

}  // namespace

void draw_velocity_inset(const Scene& scene, std::string& out) {
  const analysis::Advice& a = scene.advice;
  const Frame frame = frame_for(a);
  open_inset(scene, out);
  const Screen apex = velocity_point(frame, 0, 0);
  if (a.drawing.cone) draw_danger_cone(scene, *a.drawing.cone, apex, out);
  const Screen tip =
      velocity_point(frame, a.drawing.storm_velocity.north, a.drawing.storm_velocity.east);
  if (finite(tip)) draw_at_tip(scene, frame, apex, tip, out);
  element(out, "circle",
          {{"cx", coord(apex.x)}, {"cy", coord(apex.y)}, {"r", "3"}, {"fill", scene.colours.ink}});
  close(out, "g");
}

}  // namespace hurricane::picture
