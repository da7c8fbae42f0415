// The chart's title, legend (only what is drawn) and caption.
#include <algorithm>
#include <array>
#include <cmath>

#include "chart/scene.h"
#include "forecast/error_model.h"
#include "picture/svg.h"
#include "plane_geometry/latlon_text.h"

namespace hurricane::chart {
namespace {

using picture::coord;

constexpr double kMinHeightPx = 900.0;

std::string storms_text(const ChartInput& input) {
  std::string text;
  for (const forecast::StormSummary& storm : input.advice.storms) {
    if (!text.empty()) text += ", ";
    text += storm.storm_id;
    if (!storm.advisory.empty()) text += " advisory " + storm.advisory;
  }
  if (!input.storm_name.empty()) text = input.storm_name + " (" + text + ')';
  return text.empty() ? "no storm" : text;
}

std::string model_text(const ChartInput& input) {
  const forecast::ErrorModel& error = input.advice.error;
  std::string text;
  switch (error.kind) {
    case forecast::ErrorModel::Kind::kCone:
      text = "cone " + error.table.basin + ' ' + std::to_string(error.table.season);
      if (error.scale != 1.0) text += " x" + picture::amount(error.scale);
      break;
    case forecast::ErrorModel::Kind::kMarinersRule:
      text = "1-2-3 rule";
      break;
    case forecast::ErrorModel::Kind::kNone:
      text = "no forecast error";
      break;
  }
  return text + ", margin " + picture::amount(error.margin_nm) + " nm, horizon " +
         picture::amount(horizon_h(input)) + " h";
}

struct LegendItem {
  // "area", "land", "hatch", "line", "dashed", "thick", "thick-dashed", "point", "turn",
  // "tick", "cross", "diamond", "triangle", "square", "text" (no sample)
  std::string kind;
  std::string colour;
  std::string text;
  std::string opacity = "0.4";  // of an area's fill: as drawn on the plot
};

// The legend's sample of `item` at (x, y - 9), 22 by 11 pixels, drawn as on the plot.
void draw_swatch(std::string& out, const LegendItem& item, double x, double y,
                 const ChartPalette& c) {
  const Pixel mid{x + 11.0, y - 4.0};
  const std::string& k = item.kind;
  if (k == "hatch" || k == "area" || k == "land") {
    const bool hatch = k == "hatch";
    picture::element(out, "rect",
                     {{"class", "legend-swatch"},
                      {"data-item", item.text},
                      {"x", coord(x)},
                      {"y", coord(y - 9.0)},
                      {"width", "22"},
                      {"height", "11"},
                      {"fill", hatch ? "url(#land-hatch)" : item.colour},
                      {"fill-opacity", k == "area" ? item.opacity : "1"},
                      {"stroke", k == "land" ? c.shore : item.colour},
                      {"stroke-dasharray", hatch ? "6 3" : "none"}});
  } else if (k == "point" || k == "turn" || k == "tick") {
    picture::element(out, "circle",
                     {{"cx", coord(mid.x)},
                      {"cy", coord(mid.y)},
                      {"r", k == "tick"   ? "3"
                            : k == "turn" ? "4.5"
                                          : "4"},
                      {"fill", k == "tick"   ? item.colour
                               : k == "turn" ? c.halo
                                             : "none"},
                      {"stroke", k == "tick" ? c.halo : item.colour},
                      {"stroke-width", "2"}});
  } else if (k == "cross" || k == "diamond" || k == "triangle") {
    const std::string d = k == "cross"     ? cross_path(mid, 5.0)
                          : k == "diamond" ? diamond_path(mid, 6.0)
                                           : triangle_path({mid.x, mid.y + 5.0}, 6.0);
    picture::element(out, "path",
                     {{"d", d},
                      {"fill", k == "cross" ? "none" : item.colour},
                      {"stroke", k == "cross" ? item.colour : c.halo},
                      {"stroke-width", k == "cross" ? "2.5" : "1.5"}});
  } else if (k == "text") {
    // Said in words alone: nothing on the plot to show.
  } else if (k == "square") {
    picture::element(out, "rect",
                     {{"x", coord(mid.x - 5.0)},
                      {"y", coord(mid.y - 5.0)},
                      {"width", "10"},
                      {"height", "10"},
                      {"fill", c.halo},
                      {"stroke", item.colour},
                      {"stroke-width", "2.5"}});
  } else {
    const bool thick = k == "thick" || k == "thick-dashed";
    const bool dashed = k == "dashed" || k == "thick-dashed";
    picture::element(out, "line",
                     {{"x1", coord(x)},
                      {"y1", coord(mid.y)},
                      {"x2", coord(x + 22.0)},
                      {"y2", coord(mid.y)},
                      {"stroke", item.colour},
                      {"stroke-width", thick ? "3.5" : "2.5"},
                      {"stroke-dasharray", dashed ? (thick ? "8 4" : "6 4") : "none"}});
  }
}

// The legend in rows from `top`; the baseline of its last row.
double draw_legend(const Scene& scene, std::string& out, double top) {
  const Legend& legend = scene.legend;
  const ChartPalette& c = scene.colours;
  std::vector<LegendItem> items;
  if (legend.plan_legs) items.push_back({"thick", c.plan, "escape plan: its legs"});
  if (legend.plan_voyage) items.push_back({"thick-dashed", c.plan, "the voyage, held and resumed"});
  if (legend.plan_turns) {
    items.push_back(
        {"turn", c.plan, "turn: DD/HHMMZ, course and speed from there; filled: resume"});
  }
  if (legend.plan_ticks) items.push_back({"tick", c.plan, "ship every 12 h (+12h...)"});
  if (legend.storm_ticks) items.push_back({"cross", c.storm, "storm centre at the same hours"});
  if (legend.least_clearance) items.push_back({"diamond", c.plan, "least clearance from danger"});
  if (legend.sea_room) items.push_back({"square", c.ink, "least sea room off the shore"});
  if (legend.decide_by) items.push_back({"triangle", c.ink, "decide by: hold the voyage until"});
  if (!legend.decide_by_off_track.empty()) {
    items.push_back(
        {"text", c.ink,
         "decide by " + legend.decide_by_off_track + ": after that no plan keeps clear"});
  }
  items.push_back({"point", c.storm, "storm centre and forecast points (DD/HHZ, max wind)"});
  if (legend.past_fix) items.push_back({"dashed", c.storm, "from the previous fix"});
  if (legend.wind) items.push_back({"area", c.wind[0], "34/50/64-kt wind areas", c.wind_opacity});
  if (legend.swath) items.push_back({"area", c.swath_edge, "danger swath over the horizon"});
  if (legend.fan)
    items.push_back({"area", c.fan, "open courses at full speed (24 h run)", c.fan_opacity});
  if (legend.land_closed) {
    items.push_back({"hatch", c.ink, "courses shut by land within the horizon"});
  }
  if (legend.track) {
    items.push_back({"line", c.track,
                     scene.input.plan != nullptr && !scene.input.plan->track.empty()
                         ? "advice [F] course"
                         : "recommended track, ticks every 12 h"});
  }
  if (legend.classic) items.push_back({"dashed", c.classic, "classic escape course"});
  if (legend.land) items.push_back({"land", c.land, "land"});
  double x = 24.0;
  double y = top;
  for (const LegendItem& item : items) {
    const double width = 30.0 + 6.8 * static_cast<double>(item.text.size()) + 18.0;
    if (x + width > 980.0) {
      x = 24.0;
      y += 20.0;
    }
    draw_swatch(out, item, x, y, c);
    picture::text(out,
                  {{"class", "legend-item"},
                   {"x", coord(x + 28.0)},
                   {"y", coord(y)},
                   {"font-size", "11"},
                   {"fill", scene.colours.ink}},
                  item.text);
    x += width;
  }
  return y;
}

// The caption's two lines: what the advice found, and how to read the swath.
std::array<std::string, 2> caption(const ChartInput& input) {
  std::array<std::string, 2> lines;
  if (!input.advice.sweep.judged) {
    lines[0] = "No storm could be judged over the horizon.";
  } else if (input.advice.none_open && input.advice.recommended) {
    // The track shown is the recommendation's, chosen by the rule it names.
    switch (input.advice.recommended->choice) {
      case forecast::Choice::kLeavesSoonest:
        lines[0] = "The ship is inside the danger area; the track shown leaves it soonest.";
        break;
      case forecast::Choice::kStayPut:
        lines[0] = "No course is open at any speed; staying put keeps clear.";
        break;
      case forecast::Choice::kLeastBad:
        lines[0] = "No course is open at full speed; the track shown keeps the largest clearance.";
        break;
      default:
        lines[0] = "No course is open at full speed; the track shown is at a slower speed.";
        break;
    }
  } else if (input.advice.recommended) {
    lines[0] = "Open courses keep clear of the danger area over the whole horizon.";
  }
  if (input.advice.sweep.judged) {
    lines[1] =
        "The swath is where the danger area reaches at any time: a track may cross it "
        "after the storm has passed.";
  }
  if (input.shoreline == nullptr) lines[0] += " Shoreline not available.";
  return lines;
}

}  // namespace

double draw_texts(const Scene& scene, std::string& out) {
  const ChartInput& input = scene.input;
  const std::string& ink = scene.colours.ink;
  picture::text(
      out, {{"x", "20"}, {"y", "28"}, {"font-size", "17"}, {"font-weight", "bold"}, {"fill", ink}},
      "Forecast chart: " + storms_text(input));
  picture::text(out, {{"x", "20"}, {"y", "50"}, {"font-size", "13"}, {"fill", ink}},
                "Advice at " + navigation::format_day_time(input.advice.at) + " (" +
                    navigation::format_utc_time(input.advice.at) + "); " + model_text(input));
  const double bottom = scene.projection.area().top + scene.projection.area().height;
  picture::text(out, {{"x", "20"}, {"y", "68"}, {"font-size", "12"}, {"fill", ink}},
                "Mercator, north up. Ship " +
                    plane_geometry::degrees_minutes(input.ship.lat, input.ship.lon) +
                    ", full speed " + picture::amount(input.advice.speeds_kn[0]) + " kn.");
  const double last_row = draw_legend(scene, out, bottom + 20.0);
  const std::array<std::string, 2> lines = caption(input);
  // The caption's two lines below the legend however many rows it took.
  const double height = std::max(kMinHeightPx, last_row + 50.0);
  for (const double y : {height - 24.0, height - 8.0}) {
    picture::text(
        out,
        {{"class", "caption"}, {"x", "20"}, {"y", coord(y)}, {"font-size", "12"}, {"fill", ink}},
        lines[y < height - 10.0 ? 0 : 1]);
  }
  return height;
}

}  // namespace hurricane::chart
