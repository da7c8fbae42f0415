// The ship: the open courses at full speed as a fan, the classic escape course, the
// recommended track with its 12-h ticks and closest pass.
#include <algorithm>
#include <cmath>

#include "chart/scene.h"
#include "forecast/ship_track.h"
#include "picture/svg.h"

namespace hurricane::chart {
namespace {

using picture::coord;

// The fan reaches as far as full speed goes in this many hours (at most the horizon).
constexpr double kFanHours = 24.0;
constexpr double kTickHours = 12.0;

// The wedge of courses first..last (clockwise, whole degrees) out to `reach_nm` from the ship;
// each course holds the half degree either side, so that one course alone shows as a wedge and
// neighbouring ranges meet.
std::vector<navigation::LatLon> wedge_of(const navigation::LatLon& ship, int first, int last_course,
                                         double reach_nm) {
  const double from = first - 0.5;
  const double to = (last_course >= first ? last_course : last_course + 360) + 0.5;
  const double step = std::max(1.0, (to - from) / 45.0);
  std::vector<navigation::LatLon> wedge = {ship};
  for (double course = from; course < to; course += step) {
    wedge.push_back(forecast::rhumb_position(ship, std::fmod(course + 360.0, 360.0), reach_nm));
  }
  wedge.push_back(forecast::rhumb_position(ship, std::fmod(to, 360.0), reach_nm));
  return wedge;
}

}  // namespace

// The courses whose track meets land within the horizon: shut whatever the storm does.
void draw_land_closed(const Scene& scene, std::string& out) {
  const ChartInput& input = scene.input;
  const double reach = fan_reach_nm(input);
  if (reach <= 0.0 || input.advice.land_closed.empty()) return;
  scene.legend.land_closed = true;
  picture::open(out, "g", {{"class", "land-closed-courses"}});
  for (const forecast::CourseRange& range : input.advice.land_closed) {
    picture::element(out, "path",
                     {{"class", "land-closed"},
                      {"data-first", std::to_string(range.first)},
                      {"data-last", std::to_string(range.last)},
                      {"d", path_of(scene.projection,
                                    wedge_of(input.ship, range.first, range.last, reach), true)},
                      {"fill", "url(#land-hatch)"},
                      {"stroke", scene.colours.ink},
                      {"stroke-width", "1"},
                      {"stroke-dasharray", "6 3"}});
  }
  picture::close(out, "g");
  // Named on the widest range, halfway out.
  const forecast::CourseRange* widest = nullptr;
  int widest_span = -1;
  for (const forecast::CourseRange& range : input.advice.land_closed) {
    const int span = (range.last - range.first + 360) % 360;
    if (span > widest_span) {
      widest = &range;
      widest_span = span;
    }
  }
  const double middle = std::fmod(widest->first + widest_span / 2.0, 360.0);
  label(scene, scene.projection.at(forecast::rhumb_position(input.ship, middle, reach * 0.6)),
        "shut by land", scene.colours.ink);
}

namespace {

void draw_fan(const Scene& scene, std::string& out) {
  const ChartInput& input = scene.input;
  const double reach = fan_reach_nm(input);
  if (reach <= 0.0 || input.advice.open[0].empty()) return;
  scene.legend.fan = true;
  picture::open(out, "g", {{"class", "open-courses"}});
  for (const forecast::CourseRange& range : input.advice.open[0]) {
    const std::vector<navigation::LatLon> wedge =
        wedge_of(input.ship, range.first, range.last, reach);
    picture::element(out, "path",
                     {{"class", "open-range"},
                      {"data-first", std::to_string(range.first)},
                      {"data-last", std::to_string(range.last)},
                      {"d", path_of(scene.projection, wedge, true)},
                      {"fill", scene.colours.fan},
                      {"fill-opacity", scene.colours.fan_opacity},
                      {"stroke", scene.colours.fan},
                      {"stroke-width", "1.2"},
                      {"stroke-dasharray", "2 3"}});
  }
  picture::close(out, "g");
}

void draw_classic(const Scene& scene, std::string& out) {
  const ChartInput& input = scene.input;
  const double reach = fan_reach_nm(input);
  if (!input.classic_course_deg || reach <= 0.0) return;
  scene.legend.classic = true;
  const int course = *input.classic_course_deg;
  const navigation::LatLon end = forecast::rhumb_position(input.ship, course % 360, reach * 1.15);
  picture::element(out, "path",
                   {{"class", "classic-escape"},
                    {"data-course", std::to_string(course)},
                    {"d", path_of(scene.projection, {input.ship, end}, false)},
                    {"stroke", scene.colours.classic},
                    {"stroke-width", "2"},
                    {"stroke-dasharray", "8 5"}});
  label(scene, scene.projection.at(end), "classic " + picture::course3(course) + "°",
        scene.colours.ink);
}

void draw_recommended(const Scene& scene, std::string& out) {
  const ChartInput& input = scene.input;
  if (!input.advice.recommended) return;
  const forecast::Recommendation& advice = *input.advice.recommended;
  const double hours = horizon_h(input);
  const double course = advice.course_deg % 360;
  const auto at_hour = [&](double h) {
    return forecast::rhumb_position(input.ship, course, advice.speed_kn * h);
  };
  const std::vector<navigation::LatLon> track = recommended_track(input);
  for (const navigation::LatLon& point : track) {
    scene.chart.recommended_track.push_back(scene.projection.at(point));
  }
  scene.legend.track = true;
  // Beside an escape plan, the single course of advice [F] is a thin reference line: the plan
  // carries the ticks and the closest pass.
  const bool beside_plan = input.plan != nullptr && !input.plan->track.empty();
  // A halo beneath keeps the track clear over the swath's and the wind areas' tints.
  picture::element(out, "path",
                   {{"d", path_of(scene.projection, track, false)},
                    {"fill", "none"},
                    {"stroke", scene.colours.halo},
                    {"stroke-width", beside_plan ? "3.5" : "6"},
                    {"stroke-opacity", "0.7"}});
  picture::element(out, "path",
                   {{"class", "ship-track"},
                    {"data-course", std::to_string(advice.course_deg)},
                    {"data-speed-kn", picture::exact(advice.speed_kn)},
                    {"d", path_of(scene.projection, track, false)},
                    {"fill", "none"},
                    {"stroke", scene.colours.track},
                    {"stroke-width", beside_plan ? "1.5" : "3"}});
  const Pixel quarter = scene.projection.at(at_hour(std::min(hours, 6.0)));
  label(scene, quarter,
        (beside_plan ? "[F] steer " : "steer ") + picture::course3(advice.course_deg) + "° " +
            picture::amount(advice.speed_kn) + " kn",
        scene.colours.track);
  if (beside_plan) return;
  for (double h = kTickHours; h <= hours + 1e-9; h += kTickHours) {
    const Pixel at = scene.projection.at(at_hour(h));
    picture::element(out, "circle",
                     {{"class", "track-tick"},
                      {"data-hour", picture::exact(h)},
                      {"cx", coord(at.x)},
                      {"cy", coord(at.y)},
                      {"r", "3.5"},
                      {"fill", scene.colours.halo},
                      {"stroke", scene.colours.track},
                      {"stroke-width", "2"}});
    label(scene, at, day_hour(forecast::add_hours(input.advice.at, h)), scene.colours.track);
  }
  const forecast::Passage& passage = advice.passage;
  if (!std::isfinite(passage.clearance_nm)) return;
  const Pixel closest = scene.projection.at(at_hour(passage.min_at_h));
  picture::element(out, "rect",
                   {{"class", "closest-pass"},
                    {"data-clearance-nm", picture::exact(passage.clearance_nm)},
                    {"data-hour", picture::exact(passage.min_at_h)},
                    {"x", coord(closest.x - 5.0)},
                    {"y", coord(closest.y - 5.0)},
                    {"width", "10"},
                    {"height", "10"},
                    {"transform", "rotate(45 " + coord(closest.x) + ' ' + coord(closest.y) + ')'},
                    {"fill", scene.colours.track},
                    {"stroke", scene.colours.halo}});
  const std::string when = day_hour(forecast::add_hours(input.advice.at, passage.min_at_h));
  const std::string clearance =
      passage.clearance_nm >= 0.0
          ? picture::amount(std::round(passage.clearance_nm)) + " nm clear of danger"
          : picture::amount(std::round(-passage.clearance_nm)) + " nm inside danger";
  label(scene, closest, "closest " + when + ": " + clearance, scene.colours.ink);
}

}  // namespace

double fan_reach_nm(const ChartInput& input) {
  return input.advice.speeds_kn[0] * std::min(kFanHours, horizon_h(input));
}

std::vector<navigation::LatLon> recommended_track(const ChartInput& input) {
  if (!input.advice.recommended) return {};
  const forecast::Recommendation& advice = *input.advice.recommended;
  const double hours = horizon_h(input);
  const double course = advice.course_deg % 360;
  std::vector<navigation::LatLon> track;
  for (double h = 0.0; h < hours; h += 1.0) {
    track.push_back(forecast::rhumb_position(input.ship, course, advice.speed_kn * h));
  }
  track.push_back(forecast::rhumb_position(input.ship, course, advice.speed_kn * hours));
  return track;
}

void draw_ship_layers(const Scene& scene, std::string& out) {
  draw_fan(scene, out);
  draw_classic(scene, out);
  draw_recommended(scene, out);
  const Pixel ship = scene.projection.at(scene.input.ship);
  picture::element(out, "circle",
                   {{"class", "ship"},
                    {"data-lat", picture::exact(scene.input.ship.lat)},
                    {"data-lon", picture::exact(scene.input.ship.lon)},
                    {"cx", coord(ship.x)},
                    {"cy", coord(ship.y)},
                    {"r", "6"},
                    {"fill", scene.colours.track},
                    {"stroke", scene.colours.ink},
                    {"stroke-width", "1.5"}});
  label(scene, ship, "ship", scene.colours.ink);
}

}  // namespace hurricane::chart
