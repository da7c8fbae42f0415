// The shoreline within the board's reach, and the escape plan: what to steer now as an arrow
// and where the ship will be, with its positions at the hours the storm is shown ahead.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "picture/parts.h"
#include "picture/shapes.h"
#include "picture/svg.h"

namespace hurricane::picture {
namespace {

// Longer than every other course arrow: the plan is what to steer.
constexpr double kPlanLength = 0.66 * kPlotRadius;

std::string plan_words(const analysis::BoardPlan& plan) {
  char text[64];
  if (plan.speed_kn > 0.0) {
    std::snprintf(text, sizeof text, "PLAN %03d %.0f kn", plan.course_deg, plan.speed_kn);
  } else {
    std::snprintf(text, sizeof text, "PLAN heave to");
  }
  std::string words = text;
  if (!plan.until.empty()) words += " to " + plan.until;
  return words;
}

void words_at(std::string& out, Screen at, const std::string& colour, double size,
              const std::string& words, const char* weight = "normal") {
  text(out,
       {{"x", coord(at.x)},
        {"y", coord(at.y)},
        {"fill", colour},
        {"font-size", coord(size)},
        {"font-weight", weight}},
       words);
}

}  // namespace

void draw_shore(const Scene& scene, std::string& out) {
  const auto& shore = scene.advice.drawing.shore;
  if (shore.empty()) return;
  std::string d;
  for (const std::vector<analysis::Offset>& piece : shore) {
    for (std::size_t i = 0; i < piece.size(); ++i) {
      const Screen p = on_board(scene.board, piece[i].north, piece[i].east);
      if (!finite(p)) continue;
      d += (i == 0 ? "M" : "L") + coord(p.x) + ' ' + coord(p.y);
    }
  }
  if (d.empty()) return;
  scene.legend.shore = true;
  element(out, "path",
          {{"class", "shore"},
           {"d", d},
           {"fill", "none"},
           {"stroke", scene.colours.shore},
           {"stroke-width", "1.6"},
           {"stroke-linejoin", "round"},
           {"clip-path", std::string("url(#") + kPlotClip + ")"}});
}

void draw_plan(const Scene& scene, std::string& out) {
  const std::optional<analysis::BoardPlan>& plan = scene.advice.drawing.plan;
  if (!plan) return;
  const Palette& c = scene.colours;
  open(out, "g",
       {{"class", "plan"},
        {"data-course", std::to_string(plan->course_deg)},
        {"data-speed-kn", exact(plan->speed_kn)},
        {"data-until", plan->until}});
  // The track to the last hour the storm is shown ahead, then dimmer to the plan's end.
  double last_shown = 0.0;
  if (scene.advice.drawing.forecast) {
    for (const analysis::ForecastPosition& p : scene.advice.drawing.forecast->positions) {
      last_shown = std::max(last_shown, p.hours);
    }
  }
  std::string near, far;
  for (std::size_t h = 0; h < plan->hourly.size(); ++h) {
    const Screen p = on_board(scene.board, plan->hourly[h].north, plan->hourly[h].east);
    if (!finite(p)) continue;
    const bool beyond = last_shown > 0.0 && static_cast<double>(h) > last_shown;
    std::string& d = beyond ? far : near;
    if (beyond && d.empty() && h > 0) {
      const Screen q = on_board(scene.board, plan->hourly[h - 1].north, plan->hourly[h - 1].east);
      d += "M" + coord(q.x) + ' ' + coord(q.y);
    }
    d += (d.empty() ? "M" : "L") + coord(p.x) + ' ' + coord(p.y);
  }
  const std::string clip = std::string("url(#") + kPlotClip + ")";
  if (!near.empty()) {
    element(out, "path",
            {{"class", "plan-track"},
             {"d", near},
             {"fill", "none"},
             {"stroke", c.plan},
             {"stroke-width", "3"},
             {"clip-path", clip}});
  }
  if (!far.empty()) {
    element(out, "path",
            {{"class", "plan-track-after"},
             {"d", far},
             {"fill", "none"},
             {"stroke", c.plan},
             {"stroke-width", "1.5"},
             {"stroke-dasharray", "4,4"},
             {"clip-path", clip}});
  }
  // The ship where the storm is shown ahead, marked with the same hours.
  if (scene.advice.drawing.forecast) {
    for (const analysis::ForecastPosition& p : scene.advice.drawing.forecast->positions) {
      const auto h = static_cast<std::size_t>(std::lround(p.hours));
      if (p.hours <= 0.0 || h >= plan->hourly.size()) continue;
      const Screen at = on_board(scene.board, plan->hourly[h].north, plan->hourly[h].east);
      if (!finite(at) || std::hypot(at.x - kBoardX, at.y - kBoardY) > kPlotRadius) continue;
      element(out, "rect",
              {{"class", "plan-position"},
               {"data-hours", exact(p.hours)},
               {"x", coord(at.x - 4)},
               {"y", coord(at.y - 4)},
               {"width", "8"},
               {"height", "8"},
               {"fill", c.background},
               {"stroke", c.plan},
               {"stroke-width", "2"}});
      words_at(out, {at.x + 7, at.y + 14}, c.plan, 11, "ship +" + amount(p.hours) + " h");
    }
  }
  if (plan->speed_kn > 0.0) {
    const Screen ship{kBoardX, kBoardY};
    const Screen tip = at_bearing(kBoardX, kBoardY, plan->course_deg, kPlanLength);
    arrow(out, ship, tip, {c.plan, 4.5, ""}, 18);
    label(out, at_bearing(kBoardX, kBoardY, plan->course_deg, kPlanLength + 6), plan->course_deg,
          c.plan, plan_words(*plan), 14);
  } else {
    element(out, "circle",
            {{"cx", coord(kBoardX)},
             {"cy", coord(kBoardY)},
             {"r", "10"},
             {"fill", "none"},
             {"stroke", c.plan},
             {"stroke-width", "3"}});
    words_at(out, {kBoardX + 14, kBoardY - 12}, c.plan, 14, plan_words(*plan), "bold");
  }
  close(out, "g");
  scene.legend.plan = true;
}

}  // namespace hurricane::picture
