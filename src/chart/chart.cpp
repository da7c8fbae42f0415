#include "chart/chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "chart/land_mask.h"
#include "chart/scene.h"
#include "forecast/radii_in_time.h"
#include "forecast/ship_track.h"
#include "navigation/units.h"
#include "picture/svg.h"

namespace hurricane::chart {
namespace {

using picture::Attr;
using picture::coord;

constexpr double kWidth = 1000.0;
constexpr PlotArea kPlot{20.0, 74.0, 960.0, 716.0};

// Everything the chart must hold: the ship, its reach over the horizon, each storm's points
// within the horizon (and the first beyond) with their 34-kt reach, and the past fixes.
std::vector<navigation::LatLon> extent(const ChartInput& input) {
  std::vector<navigation::LatLon> points = {input.ship};
  const double reach = input.advice.speeds_kn[0] * horizon_h(input);
  for (const double course : {0.0, 90.0, 180.0, 270.0}) {
    points.push_back(forecast::rhumb_position(input.ship, course, std::min(reach, 600.0)));
  }
  const forecast::Time end = forecast::add_hours(input.advice.at, horizon_h(input));
  for (const forecast::StormTrack& track : input.storms) {
    const forecast::RadiiInTime radii(track);
    for (std::size_t i = 0; i < track.points.size(); ++i) {
      const forecast::TrackPoint& point = track.points[i];
      const forecast::QuadrantNm& r34 = radii.point(i, forecast::Threshold::k34).nm;
      const double grow = *std::max_element(r34.begin(), r34.end()) / kNmPerDegree;
      const double lat = point.centre.lat;
      const double widen = grow / std::max(std::cos(lat * kRadiansPerDegree), 0.2);
      points.push_back({lat + grow, point.centre.lon});
      points.push_back({lat - grow, point.centre.lon});
      points.push_back({lat, point.centre.lon + widen});
      points.push_back({lat, point.centre.lon - widen});
      if (point.time > end) break;
    }
  }
  for (const PastFix& fix : input.past_fixes) points.push_back(fix.centre);
  const std::vector<navigation::LatLon> track = recommended_track(input);
  if (!track.empty()) points.push_back(track.back());
  for (const navigation::LatLon& point : plan_track(input)) points.push_back(point);
  return points;
}

}  // namespace

double horizon_h(const ChartInput& input) {
  return input.advice.sweep.judged ? input.advice.sweep.horizon_h
                                   : input.advice.requested_horizon_h;
}

std::string path_of(const Projection& projection, const std::vector<navigation::LatLon>& points,
                    bool closed) {
  std::string d;
  double previous = 0.0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    double lon = points[i].lon;
    lon = i == 0 ? projection.unwrap(lon) : lon - 360.0 * std::round((lon - previous) / 360.0);
    previous = lon;
    const double y = projection.at(points[i]).y;
    d += (i == 0 ? "M" : "L") + coord(projection.x_of(lon)) + ' ' + coord(y);
  }
  if (closed && !d.empty()) d += 'Z';
  return d;
}

void label(const Scene& scene, Pixel at, const std::string& content, const std::string& colour) {
  const auto placed = scene.labels.place(at.x, at.y, label_size(content));
  if (!placed) return;
  // A label pushed away from its point keeps a thin leader to it, so it cannot be read as
  // another point's.
  const double near_x = std::clamp(at.x, placed->x, placed->x + placed->width);
  const double near_y = std::clamp(at.y, placed->y, placed->y + placed->height);
  if (std::hypot(near_x - at.x, near_y - at.y) > 20.0) {
    picture::element(scene.label_layer, "line",
                     {{"class", "leader"},
                      {"x1", coord(at.x)},
                      {"y1", coord(at.y)},
                      {"x2", coord(near_x)},
                      {"y2", coord(near_y)},
                      {"stroke", colour},
                      {"stroke-width", "0.8"}});
  }
  picture::text(scene.label_layer,
                {{"class", "label"},
                 {"x", coord(placed->x + 2.0)},
                 {"y", coord(placed->y + 11.0)},
                 {"fill", colour}},
                content);
}

std::string day_hour(forecast::Time time) {
  const std::string full = navigation::format_day_time(time);  // "12/2100Z"
  return full.substr(0, 5) + "Z";
}

namespace {

// The document's opening: its size, font and palette, the plot's clip and the land-shut hatch.
void open_document(std::string& out, const ChartPalette& colours, bool night, double height) {
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  picture::open(out, "svg",
                {{"xmlns", "http://www.w3.org/2000/svg"},
                 {"width", coord(kWidth)},
                 {"height", coord(height)},
                 {"viewBox", "0 0 " + coord(kWidth) + ' ' + coord(height)},
                 {"font-family", "DejaVu Sans Mono, monospace"},
                 {"data-palette", night ? "night" : "day"}});
  picture::open(out, "defs", {});
  picture::open(out, "clipPath", {{"id", "plot"}});
  picture::element(out, "rect",
                   {{"x", coord(kPlot.left)},
                    {"y", coord(kPlot.top)},
                    {"width", coord(kPlot.width)},
                    {"height", coord(kPlot.height)}});
  picture::close(out, "clipPath");
  // Courses shut by land: diagonal lines, so that they part from the open fan without colour.
  picture::open(out, "pattern",
                {{"id", "land-hatch"},
                 {"width", "6"},
                 {"height", "6"},
                 {"patternUnits", "userSpaceOnUse"},
                 {"patternTransform", "rotate(45)"}});
  picture::element(out, "line",
                   {{"x1", "0"},
                    {"y1", "0"},
                    {"x2", "0"},
                    {"y2", "6"},
                    {"stroke", colours.ink},
                    {"stroke-width", "1.2"},
                    {"stroke-opacity", "0.45"}});
  picture::close(out, "pattern");
  picture::close(out, "defs");
  picture::element(out, "rect",
                   {{"width", coord(kWidth)}, {"height", coord(height)}, {"fill", colours.halo}});
  picture::element(out, "rect",
                   {{"x", coord(kPlot.left)},
                    {"y", coord(kPlot.top)},
                    {"width", coord(kPlot.width)},
                    {"height", coord(kPlot.height)},
                    {"fill", colours.sea}});
}

// The plot, clipped to its frame: land, the danger areas, the graticule, the ship's courses,
// the storms' tracks, and the labels placed among them on top.
void draw_plot(const Scene& scene, std::string& out) {
  picture::open(out, "g", {{"clip-path", "url(#plot)"}});
  block_markers(scene);
  std::string scale_bar;
  draw_scale_bar(scene, scale_bar);
  // The plan's labels take their places first; its lines go over everything else.
  std::string plan;
  draw_plan(scene, plan);
  draw_shoreline(scene, out);
  draw_land_closed(scene, out);
  draw_swath(scene, out);
  draw_wind_areas(scene, out);
  draw_coastline_over(scene, out);
  draw_graticule(scene, out);
  draw_ship_layers(scene, out);
  draw_storm_tracks(scene, out);
  out += plan;
  out += scale_bar;
  // The labels' halo as presentation attributes, not a style sheet: the page that shows the
  // chart allows no inline styles. Leader lines set their own stroke.
  picture::open(out, "g",
                {{"font-size", "11"},
                 {"paint-order", "stroke"},
                 {"stroke", scene.colours.halo},
                 {"stroke-width", "3"},
                 {"stroke-linejoin", "round"}});
  out += scene.label_layer;
  picture::close(out, "g");
  picture::close(out, "g");
  picture::element(out, "rect",
                   {{"x", coord(kPlot.left)},
                    {"y", coord(kPlot.top)},
                    {"width", coord(kPlot.width)},
                    {"height", coord(kPlot.height)},
                    {"fill", "none"},
                    {"stroke", scene.colours.ink}});
}

}  // namespace

Chart draw_chart(const ChartInput& input, const ChartOptions& options) {
  Chart chart{.svg = {},
              .projection = Projection(extent(input), kPlot, 0.06, 4.0),
              .labels = {},
              .swath = {},
              .recommended_track = {},
              .land = {}};
  const ChartPalette& colours = chart_palette(options.night);
  LabelPlacer placer({kPlot.left, kPlot.top, kPlot.width, kPlot.height});
  // Labels keep to the sea where they can: over land they fight the shoreline.
  chart.land = land_rings(input.shoreline, chart.projection);
  const LandMask land(kPlot, chart.land);
  placer.prefer_off([&land](const Box& box) { return land.covers(box); });
  Legend legend;
  std::string label_layer;
  const Scene scene{input, chart.projection, colours, placer, legend, chart, label_layer};

  std::string& out = chart.svg;
  out.reserve(1 << 17);
  // The texts after the plot, which decides what the legend lists; the document's opening,
  // which states its height, after both.
  std::string plot, texts;
  plot.reserve(1 << 17);
  draw_plot(scene, plot);
  const double height = draw_texts(scene, texts);
  open_document(out, colours, options.night, height);
  out += plot;
  out += texts;
  picture::close(out, "svg");
  chart.labels = placer.labels();
  return chart;
}

std::string forecast_chart(const ChartInput& input, const ChartOptions& options) {
  return draw_chart(input, options).svg;
}

}  // namespace hurricane::chart
