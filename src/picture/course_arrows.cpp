// Courses from the ship: advice [A]'s escapes, the course away, advice [B]'s course with the
// storm's relative motion line and its CPA point.
#include <cmath>
#include <numbers>
#include <string>

#include "picture/parts.h"
#include "picture/shapes.h"
#include "picture/svg.h"

namespace hurricane::picture {
namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180;

// Arrow lengths differ by kind, so that arrows on nearly the same course keep their labels
// apart.
constexpr double kEscapeLength = 0.58 * kPlotRadius;
constexpr double kMaxCpaLength = 0.45 * kPlotRadius;
constexpr double kAwayLength = 0.32 * kPlotRadius;

void course_arrow(std::string& out, const char* kind, double course, double length,
                  const Stroke& stroke, const std::string& words, const std::string& extra_name,
                  const std::string& extra_value) {
  if (!std::isfinite(course)) return;
  if (extra_name.empty()) {
    open(out, "g", {{"class", kind}, {"data-course", exact(course)}});
  } else {
    open(out, "g", {{"class", kind}, {"data-course", exact(course)}, {extra_name, extra_value}});
  }
  const Screen ship{kBoardX, kBoardY};
  const Screen tip = at_bearing(kBoardX, kBoardY, course, length);
  arrow(out, ship, tip, stroke, 16);
  label(out, at_bearing(kBoardX, kBoardY, course, length + 6), course, stroke.colour, words, 13);
  close(out, "g");
}

// The storm's relative motion while the ship steers `course` at full speed: the line from
// its centre along V minus the ship's velocity, and the point where it passes the ship
// closest. Drawing only: the CPA's value and time come from the advice.
void relative_motion(const Scene& scene, double course, std::string& out) {
  const analysis::Advice& a = scene.advice;
  const Palette& c = scene.colours;
  const double north = -a.pa.x;  // the storm, nm from the ship
  const double east = -a.pa.y;
  const double vn = a.ph1.x - a.values.vship * std::cos(course * kRadPerDeg);
  const double ve = a.ph1.y - a.values.vship * std::sin(course * kRadPerDeg);
  const double speed = std::hypot(vn, ve);
  if (!(speed > 0) || !std::isfinite(speed)) return;
  const double un = vn / speed;
  const double ue = ve / speed;
  const double along = -(north * un + east * ue);  // nm from the storm to the closest point
  const double range = scene.board.rings * scene.board.ring_step_nm;
  const Screen from = on_board(scene.board, north, east);
  const Screen to =
      on_board(scene.board, north + un * (along + 2 * range), east + ue * (along + 2 * range));
  const Screen cpa = on_board(scene.board, north + un * along, east + ue * along);
  if (!finite(from) || !finite(to) || !finite(cpa)) return;

  open(out, "g",
       {{"class", "relative-motion"}, {"clip-path", std::string("url(#") + kPlotClip + ")"}});
  line(out, from, to, {c.max_cpa, 2, "12,4,2,4"});
  close(out, "g");

  const analysis::MaxCpa& b = a.max_cpa;
  open(out, "g", {{"class", "cpa"}, {"data-cpa-nm", exact(b.cpa)}, {"data-tcpa-h", exact(b.tcpa)}});
  line(out, {kBoardX, kBoardY}, cpa, {c.max_cpa, 1, "2,3"});
  element(out, "circle",
          {{"cx", coord(cpa.x)},
           {"cy", coord(cpa.y)},
           {"r", "6"},
           {"fill", c.background},
           {"stroke", c.max_cpa},
           {"stroke-width", "3"}});
  const double outward = std::atan2(cpa.x - kBoardX, kBoardY - cpa.y) / kRadPerDeg;
  label(out, at_bearing(cpa.x, cpa.y, outward, 8), outward, c.ink,
        "CPA " + fixed(b.cpa, 1) + " nm in " +
            (b.iday > 0 ? std::to_string(b.iday) + " d " : std::string()) +
            std::to_string(b.ihour) + " h " + std::to_string(b.imin) + " m",
        12);
  close(out, "g");
}

void draw_ship(const Scene& scene, std::string& out) {
  element(out, "circle",
          {{"class", "ship"},
           {"cx", coord(kBoardX)},
           {"cy", coord(kBoardY)},
           {"r", "5"},
           {"fill", scene.colours.ink},
           {"stroke", scene.colours.background},
           {"stroke-width", "1.5"}});
}

}  // namespace

double max_cpa_course(const analysis::Advice& advice) {
  return advice.max_cpa.cpa_block ? advice.max_cpa.becpa : advice.max_cpa.ibecpa;
}

void draw_courses(const Scene& scene, std::string& out) {
  const analysis::Advice& a = scene.advice;
  const Palette& c = scene.colours;
  const double b_course = max_cpa_course(a);
  if (a.max_cpa.cpa_block) relative_motion(scene, b_course, out);

  if (a.moving_away) {
    course_arrow(out, "away", a.kanti, kAwayLength, {c.ink, 2.5, "2,3"}, "away " + course3(a.kanti),
                 "", "");
  }
  course_arrow(out, "max-cpa", b_course, kMaxCpaLength, {c.max_cpa, 3, "9,4"},
               "[B] " + fixed(b_course, a.max_cpa.cpa_block ? 1 : 0) + "°", "", "");
  for (const analysis::Escape& e : a.escapes) {
    std::string words = "[A] " + course3(e.course);
    if (e.speed_shown) words += ", ≥ " + fixed(e.speed, 1) + " kn";
    course_arrow(out, "escape", e.course, kEscapeLength, {c.escape, 3.5, ""}, words,
                 e.speed_shown ? "data-speed-kn" : "", exact(e.speed));
  }
  draw_ship(scene, out);
}

}  // namespace hurricane::picture
