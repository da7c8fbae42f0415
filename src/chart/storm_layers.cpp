// The storms: the danger swath, the wind areas, the tracks with past fixes and forecast points.
#include <algorithm>
#include <cmath>

#include "chart/scene.h"
#include "forecast/ship_track.h"
#include "forecast/storm_areas.h"
#include "picture/svg.h"

namespace hurricane::chart {
namespace {

using picture::coord;

constexpr double kPointRadiusPx = 4.0;
constexpr double kAnalysisRadiusPx = 6.0;

Box box_around(Pixel at, double half) {
  return {at.x - half, at.y - half, 2.0 * half, 2.0 * half};
}

forecast::Time horizon_end(const ChartInput& input) {
  return forecast::shown_until(input.advice);
}

}  // namespace

void block_markers(const Scene& scene) {
  const forecast::Time end = horizon_end(scene.input);
  scene.labels.block(box_around(scene.projection.at(scene.input.ship), 7.0));
  for (const forecast::StormTrack& track : scene.input.storms) {
    for (std::size_t i = 0; i < forecast::points_shown(track, end); ++i) {
      scene.labels.block(box_around(scene.projection.at(track.points[i].centre), 6.0));
    }
  }
  for (const PastFix& fix : scene.input.past_fixes) {
    scene.labels.block(box_around(scene.projection.at(fix.centre), 5.0));
  }
  // The tracks and courses drawn as lines keep their labels beside them, not over them.
  const auto block_line = [&](const std::vector<navigation::LatLon>& line, double half_width) {
    std::vector<std::pair<double, double>> pixels;
    for (const navigation::LatLon& point : line) {
      const Pixel at = scene.projection.at(point);
      pixels.emplace_back(at.x, at.y);
    }
    scene.labels.block_line(pixels, half_width);
  };
  block_line(recommended_track(scene.input), 3.0);
  block_line(plan_track(scene.input), 4.0);
  if (const plan::Plan* plan = scene.input.plan) {
    for (const plan::TrackTurn& turn : plan->track) {
      scene.labels.block(box_around(scene.projection.at(turn.position), 6.0));
    }
    for (const auto& storm : plan->storms_hourly) {
      for (std::size_t h = 12; h < storm.size(); h += 12) {
        if (storm[h]) scene.labels.block(box_around(scene.projection.at(*storm[h]), 6.0));
      }
    }
  }
  for (const forecast::StormTrack& track : scene.input.storms) {
    std::vector<navigation::LatLon> centres;
    for (std::size_t i = 0; i < forecast::points_shown(track, end); ++i) {
      centres.push_back(track.points[i].centre);
    }
    block_line(centres, 2.5);
  }
  if (scene.input.classic_course_deg && fan_reach_nm(scene.input) > 0.0) {
    block_line({scene.input.ship,
                forecast::rhumb_position(scene.input.ship, *scene.input.classic_course_deg % 360,
                                         fan_reach_nm(scene.input) * 1.15)},
               2.5);
  }
}

void draw_swath(const Scene& scene, std::string& out) {
  std::vector<std::string> paths;
  for (const forecast::DangerArea& area :
       forecast::danger_swath(scene.input.advice, scene.input.storms)) {
    std::vector<Pixel> pixels;
    pixels.reserve(area.outline.size());
    for (const navigation::LatLon& point : area.outline) {
      pixels.push_back(scene.projection.at(point));
    }
    scene.chart.swath.push_back(std::move(pixels));
    paths.push_back(path_of(scene.projection, area.outline, true));
  }
  if (paths.empty()) return;
  scene.legend.swath = true;
  // Every outline stroked, then every area filled over the strokes: only the union's edge stays
  // visible, and the group's opacity tints it once however many areas overlap.
  picture::open(out, "g", {{"class", "swath"}, {"opacity", "0.55"}});
  for (const std::string& d : paths) {
    picture::element(out, "path",
                     {{"d", d},
                      {"fill", "none"},
                      {"stroke", scene.colours.swath_edge},
                      {"stroke-width", "3"},
                      {"stroke-linejoin", "round"}});
  }
  for (const std::string& d : paths) {
    picture::element(out, "path", {{"d", d}, {"fill", scene.colours.swath_fill}});
  }
  picture::close(out, "g");
}

void draw_wind_areas(const Scene& scene, std::string& out) {
  for (const forecast::WindArea& area :
       forecast::wind_areas(scene.input.storms, horizon_end(scene.input))) {
    scene.legend.wind = true;
    const forecast::QuadrantNm& nm = area.radii_nm;
    // The area's colour is its threshold's.
    const auto k = static_cast<std::size_t>(
        std::find(forecast::kThresholdKt.begin(), forecast::kThresholdKt.end(), area.kt) -
        forecast::kThresholdKt.begin());
    picture::element(
        out, "path",
        {{"class", "wind-area"},
         {"data-kt", std::to_string(area.kt)},
         {"data-time", navigation::format_utc_time(area.at)},
         {"data-radii-nm", picture::amount(nm[0]) + ' ' + picture::amount(nm[1]) + ' ' +
                               picture::amount(nm[2]) + ' ' + picture::amount(nm[3])},
         {"d", path_of(scene.projection, area.outline, true)},
         {"fill", scene.colours.wind[k]},
         {"fill-opacity", scene.colours.wind_opacity},
         {"stroke", scene.colours.wind[k]},
         {"stroke-width", "1"}});
  }
}

void draw_storm_tracks(const Scene& scene, std::string& out) {
  const ChartInput& input = scene.input;
  const forecast::Time end = horizon_end(input);
  const ChartPalette& colours = scene.colours;
  for (const PastFix& fix : input.past_fixes) {
    if (fix.storm >= input.storms.size()) continue;
    const forecast::TrackPoint& analysis = input.storms[fix.storm].points.front();
    scene.legend.past_fix = true;
    picture::element(out, "path",
                     {{"d", path_of(scene.projection, {fix.centre, analysis.centre}, false)},
                      {"fill", "none"},
                      {"stroke", colours.storm},
                      {"stroke-width", "1.5"},
                      {"stroke-dasharray", "3 3"}});
    const Pixel at = scene.projection.at(fix.centre);
    picture::element(out, "circle",
                     {{"class", "past-fix"},
                      {"data-time", navigation::format_utc_time(fix.time)},
                      {"data-lat", picture::exact(fix.centre.lat)},
                      {"data-lon", picture::exact(fix.centre.lon)},
                      {"cx", coord(at.x)},
                      {"cy", coord(at.y)},
                      {"r", "3"},
                      {"fill", colours.halo},
                      {"stroke", colours.storm},
                      {"stroke-width", "1.5"}});
    label(scene, at, day_hour(fix.time), colours.ink);
  }
  for (const forecast::StormTrack& track : input.storms) {
    const std::size_t shown = forecast::points_shown(track, end);
    std::vector<navigation::LatLon> centres;
    for (std::size_t i = 0; i < shown; ++i) centres.push_back(track.points[i].centre);
    picture::element(out, "path",
                     {{"class", "storm-track"},
                      {"d", path_of(scene.projection, centres, false)},
                      {"fill", "none"},
                      {"stroke", colours.storm},
                      {"stroke-width", "2"}});
    for (std::size_t i = 0; i < shown; ++i) {
      const forecast::TrackPoint& point = track.points[i];
      const Pixel at = scene.projection.at(point.centre);
      picture::element(out, "circle",
                       {{"class", "forecast-point"},
                        {"data-time", navigation::format_utc_time(point.time)},
                        {"data-lat", picture::exact(point.centre.lat)},
                        {"data-lon", picture::exact(point.centre.lon)},
                        {"cx", coord(at.x)},
                        {"cy", coord(at.y)},
                        {"r", coord(i == 0 ? kAnalysisRadiusPx : kPointRadiusPx)},
                        {"fill", i == 0 ? colours.storm : colours.halo},
                        {"stroke", colours.storm},
                        {"stroke-width", "2"}});
      std::string text = day_hour(point.time);
      if (point.max_wind_kt) text += ' ' + std::to_string(*point.max_wind_kt) + " kt";
      if (i == 0 && track.points.size() > 0) text = track.storm_id + ' ' + text;
      label(scene, at, text, colours.ink);
    }
  }
}

}  // namespace hurricane::chart
