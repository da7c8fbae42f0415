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

// Arrow lengths differ by kind, so that arrows on nearly the same course keep their labels
// apart.
constexpr double kEscapeLength = 0.58 * kPlotRadius;
constexpr double kMaxCpaLength = 0.45 * kPlotRadius;
constexpr double kAwayLength = 0.32 * kPlotRadius;
// Courses nearer than this, degrees, share one label.
constexpr double kSharedLabelDeg = 15.0;

// What a course arrow says: its label (none when empty) and one more data attribute for the
// tests that read the picture back (none when `data_name` is empty).
struct ArrowText {
  std::string words;
  std::string data_name;
  std::string data_value;
};

// Whether the arrow was drawn: not for a course that is not finite.
bool course_arrow(std::string& out, const char* kind, double course, double length,
                  const Stroke& stroke, const ArrowText& text) {
  if (!std::isfinite(course)) return false;
  if (text.data_name.empty()) {
    open(out, "g", {{"class", kind}, {"data-course", exact(course)}});
  } else {
    open(out, "g",
         {{"class", kind}, {"data-course", exact(course)}, {text.data_name, text.data_value}});
  }
  const Screen ship{kBoardX, kBoardY};
  const Screen tip = at_bearing(kBoardX, kBoardY, course, length);
  arrow(out, ship, tip, stroke, 16);
  if (!text.words.empty()) {
    label(out, at_bearing(kBoardX, kBoardY, course, length + 6), course, stroke.colour, text.words,
          13);
  }
  close(out, "g");
  return true;
}

// The storm's relative motion on advice [B]'s course, as the advice gives it: the line from
// its centre through the CPA point, carried on across the board, and the CPA point.
void relative_motion(const Scene& scene, std::string& out) {
  const analysis::Advice& a = scene.advice;
  const analysis::MaxCpa& b = a.max_cpa;
  const Palette& c = scene.colours;
  const analysis::Offset storm = a.drawing.storm;
  const analysis::Offset motion = b.relative_velocity;
  const double speed = std::hypot(motion.north, motion.east);
  if (!(speed > 0) || !std::isfinite(speed)) return;
  // Beyond the CPA point by twice the board's range, in the direction of the motion.
  const double beyond = 2 * scene.board.rings * scene.board.ring_step_nm / speed;
  const Screen from = on_board(scene.board, storm.north, storm.east);
  const Screen to = on_board(scene.board, b.cpa_point.north + motion.north * beyond,
                             b.cpa_point.east + motion.east * beyond);
  const Screen cpa = on_board(scene.board, b.cpa_point.north, b.cpa_point.east);
  if (!finite(from) || !finite(to) || !finite(cpa)) return;
  scene.legend.relative_motion = true;

  open(out, "g",
       {{"class", "relative-motion"}, {"clip-path", std::string("url(#") + kPlotClip + ")"}});
  line(out, from, to, {c.max_cpa, 2, "12,4,2,4"});
  close(out, "g");

  open(out, "g",
       {{"class", "cpa"},
        {"data-cpa-nm", exact(b.cpa)},
        {"data-tcpa-h", exact(b.time_to_go.count())}});
  line(out, {kBoardX, kBoardY}, cpa, {c.max_cpa, 1, "2,3"});
  element(out, "circle",
          {{"cx", coord(cpa.x)},
           {"cy", coord(cpa.y)},
           {"r", "6"},
           {"fill", c.background},
           {"stroke", c.max_cpa},
           {"stroke-width", "3"}});
  const double outward = std::atan2(cpa.x - kBoardX, kBoardY - cpa.y) / kRadiansPerDegree;
  label(out, at_bearing(cpa.x, cpa.y, outward, 8), outward, c.ink,
        "CPA " + fixed(b.cpa, 1) + " nm in " + time_to_go(b.time_to_go, false), 12);
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
  const analysis::MaxCpa& b = advice.max_cpa;
  return b.course ? *b.course : b.suggested_course;
}

void draw_courses(const Scene& scene, std::string& out) {
  const analysis::Advice& a = scene.advice;
  const Palette& c = scene.colours;
  const double b_course = max_cpa_course(a);
  if (a.max_cpa.course) relative_motion(scene, out);

  std::string b_words = "[B] " + fixed(b_course, a.max_cpa.course ? 1 : 0) + "°";
  if (a.courses.moving_away) {
    const int away = a.courses.course_away;
    // Courses this close would put the two labels on one line, one over the other: the [B]
    // arrow's label names both.
    const bool shared = std::abs(std::remainder(away - b_course, 360.0)) < kSharedLabelDeg;
    if (shared) b_words += " · away " + course3(away);
    scene.legend.away = course_arrow(out, "away", away, kAwayLength, {c.ink, 2.5, "2,3"},
                                     {shared ? "" : "away " + course3(away), "", ""});
  }
  scene.legend.max_cpa = course_arrow(out, "max-cpa", b_course, kMaxCpaLength,
                                      {c.max_cpa, 3, "9,4"}, {b_words, "", ""});
  for (const analysis::Escape& e : a.courses.escapes) {
    std::string words = "[A] " + course3(e.course);
    if (e.speed_shown) words += ", ≥ " + fixed(e.speed, 1) + " kn";
    if (course_arrow(out, "escape", e.course, kEscapeLength, {c.escape, 3.5, ""},
                     {words, e.speed_shown ? "data-speed-kn" : "", exact(e.speed)})) {
      scene.legend.escape = true;
    }
  }
  draw_ship(scene, out);
}

}  // namespace hurricane::picture
