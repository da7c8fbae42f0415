// The escape plan: its track (the voyage held, the legs, the voyage resumed), each turn with
// what is steered from it, ticks every 12 h beside each storm's centre at the same hours, the
// least clearance and least sea room where they fall, and the hour to decide by. Everything is
// the plan's own: the chart only projects it and writes it out.
#include <algorithm>
#include <cmath>
#include <utility>

#include "chart/scene.h"
#include "picture/svg.h"

namespace hurricane::chart {
namespace {

using picture::coord;

constexpr std::size_t kPlanTickHours = 12;

// Hours from the plan's start (the advice time, its first turn) to `time`.
double hours_from_start(const plan::Plan& plan, forecast::Time time) {
  return navigation::hours_between(plan.track.front().at, time);
}

// The plan's track from hour `from_h` to `to_h`: every turn and every whole hour between, in
// time order, so that a voyage steered along a curve is drawn as sailed.
std::vector<navigation::LatLon> stretch(const plan::Plan& plan, double from_h, double to_h) {
  struct Timed {
    double h;
    navigation::LatLon at;
  };
  std::vector<Timed> points;
  for (const plan::TrackTurn& turn : plan.track) {
    const double h = hours_from_start(plan, turn.at);
    if (h >= from_h - 1e-6 && h <= to_h + 1e-6) points.push_back({h, turn.position});
  }
  for (std::size_t i = 0; i < plan.hourly.size(); ++i) {
    const auto h = static_cast<double>(i);
    const bool at_turn = std::any_of(points.begin(), points.end(),
                                     [&](const Timed& p) { return std::fabs(p.h - h) < 1e-6; });
    if (h > from_h && h < to_h && !at_turn) points.push_back({h, plan.hourly[i]});
  }
  std::stable_sort(points.begin(), points.end(),
                   [](const Timed& a, const Timed& b) { return a.h < b.h; });
  std::vector<navigation::LatLon> line;
  for (const Timed& p : points) line.push_back(p.at);
  return line;
}

// "13/0300Z 140° 14 kn", or "13/0300Z hove to" (or arrived, or stopped short of the shore).
std::string turn_text(const plan::TrackTurn& turn) {
  const std::string when = navigation::format_day_time(turn.at);
  if (turn.kind == plan::TrackTurn::Kind::kArrived) return when + " arrived";
  if (turn.kind == plan::TrackTurn::Kind::kStopShort) return when + " stop short of the shore";
  if (turn.speed_kn <= 0.0) return when + " hove to";
  return when + ' ' + picture::course3(turn.course_deg) + "° " + picture::amount(turn.speed_kn) +
         " kn";
}

// A line with a halo-coloured casing beneath, so that it stays clear over the tinted areas.
void cased_line(const Scene& scene, std::string& out, const std::string& css_class,
                const std::string& d, const std::string& dash) {
  picture::element(out, "path",
                   {{"d", d},
                    {"fill", "none"},
                    {"stroke", scene.colours.halo},
                    {"stroke-width", "7"},
                    {"stroke-opacity", "0.8"},
                    {"stroke-linejoin", "round"}});
  picture::element(out, "path",
                   {{"class", css_class},
                    {"d", d},
                    {"fill", "none"},
                    {"stroke", scene.colours.plan},
                    {"stroke-width", "3.5"},
                    {"stroke-linejoin", "round"},
                    {"stroke-dasharray", dash}});
}

void draw_track(const Scene& scene, const plan::Plan& plan, std::string& out) {
  const double end = hours_from_start(plan, plan.track.back().at);
  const double legs_from =
      plan.legs.empty() ? end : hours_from_start(plan, plan.legs.front().start);
  const double legs_to = plan.legs.empty() ? end : hours_from_start(plan, plan.legs.back().end);
  if (legs_from > 0.0) {
    scene.legend.plan_voyage = true;
    cased_line(scene, out, "plan-voyage",
               path_of(scene.projection, stretch(plan, 0.0, legs_from), false), "10 5");
  }
  if (legs_to > legs_from) {
    scene.legend.plan_legs = true;
    cased_line(scene, out, "plan-legs",
               path_of(scene.projection, stretch(plan, legs_from, legs_to), false), "none");
  }
  if (end > legs_to) {
    scene.legend.plan_voyage = true;
    cased_line(scene, out, "plan-resume",
               path_of(scene.projection, stretch(plan, legs_to, end), false), "10 5");
  }
}

void draw_turns(const Scene& scene, const plan::Plan& plan, std::string& out) {
  const ChartPalette& c = scene.colours;
  const std::optional<double> resume_h =
      plan.resume ? std::optional(hours_from_start(plan, plan.resume->start)) : std::nullopt;
  bool resume_marked = false;
  // The last point is the horizon's end, where nothing more is steered.
  for (std::size_t i = 0; i + 1 < plan.track.size(); ++i) {
    const plan::TrackTurn& turn = plan.track[i];
    const Pixel at = scene.projection.at(turn.position);
    const bool resumes = resume_h && std::fabs(hours_from_start(plan, turn.at) - *resume_h) < 1e-6;
    resume_marked = resume_marked || resumes;
    scene.legend.plan_turns = true;
    picture::element(out, "circle",
                     {{"class", "plan-turn"},
                      {"data-resume", resumes ? "true" : "false"},
                      {"data-time", navigation::format_utc_time(turn.at)},
                      {"data-lat", picture::exact(turn.position.lat)},
                      {"data-lon", picture::exact(turn.position.lon)},
                      {"data-course", std::to_string(turn.course_deg)},
                      {"data-speed-kn", picture::exact(turn.speed_kn)},
                      {"cx", coord(at.x)},
                      {"cy", coord(at.y)},
                      {"r", resumes ? "6" : "4.5"},
                      {"fill", resumes ? c.plan : c.halo},
                      {"stroke", resumes ? c.halo : c.plan},
                      {"stroke-width", "2"}});
    label(scene, at, (resumes ? "resume " : "") + turn_text(turn), c.plan);
  }
  if (plan.resume && !resume_marked) {
    // Resumed on the course the last leg already steers: no turn, but still the point where
    // the voyage is taken up again.
    const Pixel at = scene.projection.at(plan.resume->from);
    picture::element(out, "circle",
                     {{"class", "plan-resume-point"},
                      {"data-time", navigation::format_utc_time(plan.resume->start)},
                      {"cx", coord(at.x)},
                      {"cy", coord(at.y)},
                      {"r", "6"},
                      {"fill", c.plan},
                      {"stroke", c.halo},
                      {"stroke-width", "2"}});
    label(scene, at, "resume " + navigation::format_day_time(plan.resume->start), c.plan);
  }
}

// Ticks closer than this share one label.
constexpr double kSameSpotPx = 4.0;

using Tick = std::pair<std::size_t, Pixel>;  // hours from the start, where

// "+12h" at each tick; ticks on the spot of the one before (a ship hove to, a storm standing
// still) share one label, "+24h to +72h".
void label_ticks(const Scene& scene, const std::vector<Tick>& ticks, const std::string& colour) {
  for (std::size_t i = 0; i < ticks.size();) {
    const Pixel at = ticks[i].second;
    std::size_t j = i + 1;
    while (j < ticks.size() &&
           std::hypot(ticks[j].second.x - at.x, ticks[j].second.y - at.y) < kSameSpotPx) {
      ++j;
    }
    std::string text = '+' + std::to_string(ticks[i].first) + 'h';
    if (j - i > 1) text += " to +" + std::to_string(ticks[j - 1].first) + 'h';
    label(scene, at, text, colour);
    i = j;
  }
}

// A tick on the plan's track and a cross on each storm's forecast centre at the same hours,
// labelled alike, so that where each is at a time reads off the chart.
void draw_ticks(const Scene& scene, const plan::Plan& plan, std::string& out) {
  const ChartPalette& c = scene.colours;
  std::vector<Tick> ship;
  for (std::size_t h = kPlanTickHours; h < plan.hourly.size(); h += kPlanTickHours) {
    const Pixel at = scene.projection.at(plan.hourly[h]);
    ship.emplace_back(h, at);
    scene.legend.plan_ticks = true;
    picture::element(out, "circle",
                     {{"class", "plan-tick"},
                      {"data-hour", std::to_string(h)},
                      {"data-lat", picture::exact(plan.hourly[h].lat)},
                      {"data-lon", picture::exact(plan.hourly[h].lon)},
                      {"cx", coord(at.x)},
                      {"cy", coord(at.y)},
                      {"r", "3"},
                      {"fill", c.plan},
                      {"stroke", c.halo},
                      {"stroke-width", "1.5"}});
  }
  label_ticks(scene, ship, c.plan);
  for (const std::vector<std::optional<navigation::LatLon>>& storm : plan.storms_hourly) {
    std::vector<Tick> centres;
    for (std::size_t h = kPlanTickHours; h < storm.size(); h += kPlanTickHours) {
      if (!storm[h]) continue;
      const Pixel at = scene.projection.at(*storm[h]);
      centres.emplace_back(h, at);
      scene.legend.storm_ticks = true;
      picture::element(out, "path",
                       {{"class", "storm-tick"},
                        {"data-hour", std::to_string(h)},
                        {"data-lat", picture::exact(storm[h]->lat)},
                        {"data-lon", picture::exact(storm[h]->lon)},
                        {"d", cross_path(at, 5.0)},
                        {"stroke", c.storm},
                        {"stroke-width", "2.5"}});
    }
    // In ink: the storm's colour is the colour of the wind areas beneath.
    label_ticks(scene, centres, c.ink);
  }
}

void draw_extremes(const Scene& scene, const plan::Plan& plan, std::string& out) {
  const ChartPalette& c = scene.colours;
  if (plan.judged) {
    const Pixel at = scene.projection.at(plan.least_clearance_place);
    scene.legend.least_clearance = true;
    picture::element(out, "path",
                     {{"class", "plan-least-clearance"},
                      {"data-clearance-nm", picture::exact(plan.least_clearance_nm)},
                      {"data-time", navigation::format_utc_time(plan.least_clearance_at)},
                      {"d", diamond_path(at, 7.0)},
                      {"fill", c.plan},
                      {"stroke", c.halo},
                      {"stroke-width", "1.5"}});
    const double nm = std::round(plan.least_clearance_nm);
    label(scene, at,
          (nm >= 0.0 ? "least clearance " + picture::amount(nm) + " nm "
                     : picture::amount(-nm) + " nm inside danger ") +
              navigation::format_day_time(plan.least_clearance_at),
          c.ink);
  }
  if (plan.least_sea_room_nm) {
    const Pixel at = scene.projection.at(plan.sea_room_place);
    scene.legend.sea_room = true;
    picture::element(out, "rect",
                     {{"class", "plan-sea-room"},
                      {"data-sea-room-nm", picture::exact(*plan.least_sea_room_nm)},
                      {"data-time", navigation::format_utc_time(plan.sea_room_at)},
                      {"x", coord(at.x - 5.0)},
                      {"y", coord(at.y - 5.0)},
                      {"width", "10"},
                      {"height", "10"},
                      {"fill", c.halo},
                      {"stroke", c.ink},
                      {"stroke-width", "2.5"}});
    label(scene, at,
          "sea room " + picture::amount(std::round(*plan.least_sea_room_nm)) + " nm " +
              navigation::format_day_time(plan.sea_room_at),
          c.ink);
  }
}

void draw_decide_by(const Scene& scene, const plan::Plan& plan, std::string& out) {
  const plan::DecideBy& decide = plan.decide_by;
  if (decide.kind == plan::DecideBy::Kind::kNone || plan.hourly.empty()) return;
  const double h = decide.kind == plan::DecideBy::Kind::kAt
                       ? std::round(hours_from_start(plan, decide.at))
                       : 0.0;
  if (h < 0.0 || h >= static_cast<double>(plan.hourly.size())) return;
  // The plan's track is the voyage only until its first leg: a later hour to decide by lies
  // on the voyage held on, which the plan does not sail, so the legend names the time alone.
  const double legs_from = plan.legs.empty() ? static_cast<double>(plan.hourly.size())
                                             : hours_from_start(plan, plan.legs.front().start);
  if (h > legs_from + 1e-6) {
    scene.legend.decide_by_off_track = navigation::format_day_time(decide.at);
    return;
  }
  const navigation::LatLon place = plan.hourly[static_cast<std::size_t>(h)];
  const Pixel at = scene.projection.at(place);
  scene.legend.decide_by = true;
  picture::element(
      out, "path",
      {{"class", "plan-decide-by"},
       {"data-time", navigation::format_utc_time(decide.kind == plan::DecideBy::Kind::kAt
                                                     ? decide.at
                                                     : plan.track.front().at)},
       {"data-lat", picture::exact(place.lat)},
       {"data-lon", picture::exact(place.lon)},
       {"d", triangle_path(at, 8.0)},
       {"fill", scene.colours.ink},
       {"stroke", scene.colours.halo},
       {"stroke-width", "1.5"}});
  label(scene, at,
        decide.kind == plan::DecideBy::Kind::kAt
            ? "decide by " + navigation::format_day_time(decide.at)
            : "alter now",
        scene.colours.ink);
}

}  // namespace

std::string cross_path(Pixel at, double half) {
  return "M" + coord(at.x - half) + ' ' + coord(at.y - half) + "L" + coord(at.x + half) + ' ' +
         coord(at.y + half) + "M" + coord(at.x - half) + ' ' + coord(at.y + half) + "L" +
         coord(at.x + half) + ' ' + coord(at.y - half);
}

std::string diamond_path(Pixel at, double half) {
  return "M" + coord(at.x) + ' ' + coord(at.y - half) + "L" + coord(at.x + half) + ' ' +
         coord(at.y) + "L" + coord(at.x) + ' ' + coord(at.y + half) + "L" + coord(at.x - half) +
         ' ' + coord(at.y) + "Z";
}

std::string triangle_path(Pixel at, double half) {
  // Pointing down at the spot, so it reads as a flag over the track.
  return "M" + coord(at.x) + ' ' + coord(at.y) + "L" + coord(at.x + half) + ' ' +
         coord(at.y - 1.7 * half) + "L" + coord(at.x - half) + ' ' + coord(at.y - 1.7 * half) + "Z";
}

std::vector<navigation::LatLon> plan_track(const ChartInput& input) {
  if (input.plan == nullptr || input.plan->track.empty()) return {};
  return stretch(*input.plan, 0.0, hours_from_start(*input.plan, input.plan->track.back().at));
}

void draw_plan(const Scene& scene, std::string& out) {
  const plan::Plan* plan = scene.input.plan;
  if (plan == nullptr || plan->track.empty()) return;
  picture::open(out, "g", {{"class", "plan"}});
  draw_track(scene, *plan, out);
  // Labels in order of importance, each taking the best free spot before the next.
  draw_turns(scene, *plan, out);
  draw_decide_by(scene, *plan, out);
  draw_extremes(scene, *plan, out);
  draw_ticks(scene, *plan, out);
  picture::close(out, "g");
}

}  // namespace hurricane::chart
