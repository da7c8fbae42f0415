// The chart's title, legend (only what is drawn) and caption.
#include <array>
#include <cmath>

#include "chart/scene.h"
#include "forecast/error_model.h"
#include "picture/svg.h"
#include "plane_geometry/latlon_text.h"

namespace hurricane::chart {
namespace {

using picture::coord;

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
  std::string kind;  // "area", "hatch", "line", "dashed", "point"
  std::string colour;
  std::string text;
};

void draw_legend(const Scene& scene, std::string& out, double top) {
  const Legend& legend = scene.legend;
  const ChartPalette& c = scene.colours;
  std::vector<LegendItem> items;
  items.push_back({"point", c.storm, "storm centre and forecast points (DD/HHZ, max wind)"});
  if (legend.past_fix) items.push_back({"dashed", c.storm, "from the previous fix"});
  if (legend.wind) items.push_back({"area", c.wind[0], "34/50/64-kt wind areas"});
  if (legend.swath) items.push_back({"area", c.swath_edge, "danger swath over the horizon"});
  if (legend.fan) items.push_back({"area", c.fan, "open courses at full speed (24 h run)"});
  if (legend.land_closed) {
    items.push_back({"hatch", c.ink, "courses shut by land within the horizon"});
  }
  if (legend.track) items.push_back({"line", c.track, "recommended track, ticks every 12 h"});
  if (legend.classic) items.push_back({"dashed", c.classic, "classic escape course"});
  if (legend.land) items.push_back({"area", c.shore, "land"});
  double x = 24.0;
  double y = top;
  for (const LegendItem& item : items) {
    const double width = 30.0 + 6.8 * static_cast<double>(item.text.size()) + 18.0;
    if (x + width > 980.0) {
      x = 24.0;
      y += 20.0;
    }
    if (item.kind == "hatch") {
      picture::element(out, "rect",
                       {{"x", coord(x)},
                        {"y", coord(y - 9.0)},
                        {"width", "22"},
                        {"height", "11"},
                        {"fill", "url(#land-hatch)"},
                        {"stroke", item.colour},
                        {"stroke-dasharray", "6 3"}});
    } else if (item.kind == "area") {
      picture::element(out, "rect",
                       {{"x", coord(x)},
                        {"y", coord(y - 9.0)},
                        {"width", "22"},
                        {"height", "11"},
                        {"fill", item.colour},
                        {"fill-opacity", "0.4"},
                        {"stroke", item.colour}});
    } else if (item.kind == "point") {
      picture::element(out, "circle",
                       {{"cx", coord(x + 11.0)},
                        {"cy", coord(y - 4.0)},
                        {"r", "4"},
                        {"fill", "none"},
                        {"stroke", item.colour},
                        {"stroke-width", "2"}});
    } else {
      picture::element(out, "line",
                       {{"x1", coord(x)},
                        {"y1", coord(y - 4.0)},
                        {"x2", coord(x + 22.0)},
                        {"y2", coord(y - 4.0)},
                        {"stroke", item.colour},
                        {"stroke-width", "2.5"},
                        {"stroke-dasharray", item.kind == "dashed" ? "6 4" : "none"}});
    }
    picture::text(
        out,
        {{"x", coord(x + 28.0)}, {"y", coord(y)}, {"font-size", "11"}, {"fill", scene.colours.ink}},
        item.text);
    x += width;
  }
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

void draw_texts(const Scene& scene, std::string& out) {
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
  draw_legend(scene, out, bottom + 20.0);
  const std::array<std::string, 2> lines = caption(input);
  picture::text(out, {{"x", "20"}, {"y", "876"}, {"font-size", "12"}, {"fill", ink}}, lines[0]);
  picture::text(out, {{"x", "20"}, {"y", "892"}, {"font-size", "12"}, {"fill", ink}}, lines[1]);
}

}  // namespace hurricane::chart
