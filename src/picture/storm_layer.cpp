// The storm on the board: its dangerous quarter, the distance to keep, its centre, track and
// positions ahead.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "picture/parts.h"
#include "picture/shapes.h"
#include "picture/svg.h"
#include "plane_geometry/bearing.h"

namespace hurricane::picture {
namespace {

// Offsets from the ship, nm north and east.
struct Offset {
  double north = 0;
  double east = 0;
};

Offset storm_offset(const analysis::Advice& a) {
  return {a.drawing.storm.north, a.drawing.storm.east};
}

Offset toward(Offset from, double bearing, double nm) {
  return {from.north + nm * std::cos(bearing * kRadiansPerDegree),
          from.east + nm * std::sin(bearing * kRadiansPerDegree)};
}

double board_range_nm(const Board& board) {
  return board.rings * board.ring_step_nm;
}

bool storm_moves(const analysis::Advice& a) {
  return a.values.speed > 0;
}

std::string hours_label(int hours) {
  return "+" + std::to_string(hours) + " h";
}

// The heading on the board of `path` (one point an hour) around hour `index`, degrees
// clockwise from north; north when the path does not move there.
double path_heading(const Scene& scene, const std::vector<analysis::Offset>& path,
                    std::size_t index) {
  if (path.size() < 2) return 0;
  const std::size_t at = std::min(index, path.size() - 1);
  const std::size_t from = at == 0 ? 0 : at - 1;
  const std::size_t to = std::min(at + 1, path.size() - 1);
  const Screen a = on_board(scene.board, path[from].north, path[from].east);
  const Screen b = on_board(scene.board, path[to].north, path[to].east);
  if (!finite(a) || !finite(b) || (a.x == b.x && a.y == b.y)) return 0;
  return std::atan2(b.x - a.x, a.y - b.y) / kRadiansPerDegree;
}

// "13/09Z" of an ISO 8601 UTC time ("2023-09-13T09:00:00Z"): day of month and hour.
std::string day_hour(const std::string& iso) {
  if (iso.size() < 13) return iso;
  return iso.substr(8, 2) + "/" + iso.substr(11, 2) + "Z";
}

// Where the label of the distance to keep goes on its circle: of the four diagonals the one
// farthest from every course arrow and from the storm, so that no other label lies over it.
double keep_label_bearing(const analysis::Advice& a) {
  std::vector<double> arrows = {max_cpa_course(a), a.values.bear};  // the storm's label too
  if (a.courses.moving_away) arrows.push_back(a.courses.course_away);
  for (const analysis::Escape& e : a.courses.escapes) arrows.push_back(e.course);
  if (a.drawing.plan && a.drawing.plan->speed_kn > 0.0)
    arrows.push_back(a.drawing.plan->course_deg);
  double best = 225, best_gap = -1;
  for (const double side : {225.0, 135.0, 315.0, 45.0}) {
    double gap = 180;
    for (const double course : arrows) {
      if (std::isfinite(course))
        gap = std::min(gap, std::fabs(std::remainder(course - side, 360.0)));
    }
    if (gap > best_gap + 1e-9) {
      best = side;
      best_gap = gap;
    }
  }
  return best;
}

// Whether the storm's label of `words` beside `centre` towards `side` (degrees) lies inside
// the plot and clear of the ship, its box estimated as shapes' label() anchors it.
bool label_fits(Screen centre, double side, const std::string& words) {
  constexpr double kSize = 13;
  const double width = 7.2 * static_cast<double>(words.size());
  const Screen at = at_bearing(centre.x, centre.y, side, 14);
  const double east = std::sin(side * kRadiansPerDegree);
  const double north = std::cos(side * kRadiansPerDegree);
  const double x = at.x + 4 * east;
  const double left = east > 0.35 ? x : east < -0.35 ? x - width : x - width / 2;
  const double base = at.y + (north > 0.35 ? -4 : north < -0.35 ? kSize : kSize * 0.35);
  const double top = base - kSize;
  for (const double cx : {left, left + width}) {
    for (const double cy : {top, base + 3}) {
      if (std::hypot(cx - kBoardX, cy - kBoardY) > kPlotRadius - 4) return false;
    }
  }
  const bool covers_ship =
      kBoardX > left - 8 && kBoardX < left + width + 8 && kBoardY > top - 8 && kBoardY < base + 8;
  return !covers_ship;
}

// The outline of the wind area with `radii` (nm per quadrant NE, SE, SW, NW) around `centre`:
// a quarter circle in each quadrant, joined along the quadrants' edges.
std::string quadrant_path(const Board& board, Screen centre, const std::array<double, 4>& radii) {
  std::string d = "M" + coord(centre.x) + "," + coord(centre.y);
  for (std::size_t q = 0; q < radii.size(); ++q) {
    const double r = radii[q] * board.px_per_nm;
    const double from = 90.0 * static_cast<double>(q);
    const Screen start = at_bearing(centre.x, centre.y, from, r);
    const Screen end = at_bearing(centre.x, centre.y, from + 90, r);
    d += " L" + coord(start.x) + "," + coord(start.y);
    if (r > 0) {
      d += " A" + coord(r) + "," + coord(r) + " 0 0 1 " + coord(end.x) + "," + coord(end.y);
    }
  }
  return d + " Z";
}

// Fill opacity, stroke width and dash of the 34-, 50- and 64-kt areas: stronger winds darker,
// and each its own line so that they part in print too.
struct WindStyle {
  const char* opacity;
  double width;
  const char* dash;
};
constexpr std::array<WindStyle, 3> kWindStyle = {
    {{"0.07", 1.0, "2,3"}, {"0.10", 1.2, "7,3"}, {"0.14", 1.6, "none"}}};

// The wind radii around the storm now and at each position ahead.
void draw_wind_radii(const Scene& scene, const analysis::ForecastTrack& forecast,
                     std::string& out) {
  open(out, "g", {{"class", "wind-areas"}, {"clip-path", std::string("url(#") + kPlotClip + ")"}});
  for (const analysis::ForecastPosition& p : forecast.positions) {
    const Screen centre = on_board(scene.board, p.centre.north, p.centre.east);
    if (!finite(centre)) continue;
    // The areas now tinted, those ahead as outlines, so that they stay apart where they
    // overlap.
    const bool now = p.hours == 0;
    for (std::size_t k = 0; k < p.radii_nm.size(); ++k) {
      const std::array<double, 4>& r = p.radii_nm[k];
      bool any = false;
      bool usable = true;
      for (const double nm : r) {
        any = any || nm > 0;
        usable = usable && std::isfinite(nm) && nm >= 0;
      }
      if (!any || !usable) continue;
      scene.legend.wind[k] = true;
      const WindStyle& style = kWindStyle[k];
      element(out, "path",
              {{"class", "wind-radii"},
               {"data-hours", exact(p.hours)},
               {"data-kt", std::to_string(analysis::kWindRadiiKt[k])},
               {"data-ne-nm", exact(r[0])},
               {"data-se-nm", exact(r[1])},
               {"data-sw-nm", exact(r[2])},
               {"data-nw-nm", exact(r[3])},
               {"d", quadrant_path(scene.board, centre, r)},
               {"fill", now ? scene.colours.storm : "none"},
               {"fill-opacity", style.opacity},
               {"stroke", scene.colours.storm},
               {"stroke-width", coord(now ? style.width : 0.8 * style.width)},
               {"stroke-dasharray", style.dash}});
    }
  }
  close(out, "g");
}

// The forecast track: the centre's path, a marker at each position ahead that lies on the
// board with its hours and time, and a short arrow at the centre now.
void draw_forecast_track(const Scene& scene, const analysis::ForecastTrack& forecast,
                         std::string& out) {
  const Palette& c = scene.colours;
  const Board& board = scene.board;
  scene.legend.forecast_track = true;
  open(out, "g", {{"class", "forecast-track"}});
  std::string points;
  for (const analysis::Offset& o : forecast.path) {
    const Screen p = on_board(board, o.north, o.east);
    if (finite(p)) points += coord(p.x) + "," + coord(p.y) + " ";
  }
  open(out, "g", {{"clip-path", std::string("url(#") + kPlotClip + ")"}});
  element(out, "polyline",
          {{"points", points}, {"fill", "none"}, {"stroke", c.storm}, {"stroke-width", "2"}});
  close(out, "g");
  const analysis::Offset first = forecast.positions.front().centre;
  const Screen now = on_board(board, first.north, first.east);
  Screen labelled = now;
  for (std::size_t i = 1; i < forecast.positions.size(); ++i) {
    const analysis::ForecastPosition& ahead = forecast.positions[i];
    if (std::hypot(ahead.centre.north, ahead.centre.east) > board_range_nm(board)) continue;
    const Screen p = on_board(board, ahead.centre.north, ahead.centre.east);
    if (!finite(p)) continue;
    const double hours = std::round(ahead.hours);
    const double heading = path_heading(scene, forecast.path, static_cast<std::size_t>(hours));
    element(out, "circle",
            {{"class", "forecast-position"},
             {"data-hours", exact(ahead.hours)},
             {"data-time", ahead.time},
             {"data-lat", exact(ahead.lat)},
             {"data-lon", exact(ahead.lon)},
             {"data-north-nm", exact(ahead.centre.north)},
             {"data-east-nm", exact(ahead.centre.east)},
             {"cx", coord(p.x)},
             {"cy", coord(p.y)},
             {"r", "5"},
             {"fill", c.background},
             {"stroke", c.storm},
             {"stroke-width", "2.5"}});
    // A mark too close to the one labelled before it keeps its circle only.
    if (std::hypot(p.x - labelled.x, p.y - labelled.y) >= 40) {
      // On a halo of the background: the label often lies over the wind areas' outlines.
      open(out, "g",
           {{"paint-order", "stroke"},
            {"stroke", c.background},
            {"stroke-width", "3"},
            {"stroke-linejoin", "round"}});
      label(out, at_bearing(p.x, p.y, heading + 90, 9), heading + 90, c.storm,
            hours_label(static_cast<int>(hours)) + " " + day_hour(ahead.time), 11);
      close(out, "g");
      labelled = p;
    }
  }
  arrow(out, now, at_bearing(now.x, now.y, path_heading(scene, forecast.path, 0), 30),
        {c.storm, 3, ""}, 12);
  close(out, "g");
}

// The track of the present motion: a line ahead across the board, ticks at the positions after
// 12, 24 and 48 hours at the stated speed, and a short vector at the centre.
void draw_present_track(const Scene& scene, Screen centre, std::string& out) {
  const analysis::Advice& a = scene.advice;
  const Palette& c = scene.colours;
  const Board& board = scene.board;
  const Offset storm = storm_offset(a);
  scene.legend.present_track = true;
  const double track = a.drawing.track;
  open(
      out, "g",
      {{"class", "track"}, {"data-track", exact(track)}, {"data-speed-kn", exact(a.values.speed)}});
  const Offset end = toward(storm, track, 2.2 * board_range_nm(board));
  open(out, "g", {{"clip-path", std::string("url(#") + kPlotClip + ")"}});
  line(out, centre, on_board(board, end.north, end.east), {c.storm, 1.5, "6,4"});
  close(out, "g");
  // Labels on one side of the track, the storm's own label on the other; a mark too close
  // to the one labelled before it keeps its tick only.
  Screen labelled = centre;
  bool any_labelled = false;
  for (const int hours : {12, 24, 48}) {
    const Offset ahead = toward(storm, track, a.values.speed * hours);
    if (std::hypot(ahead.north, ahead.east) > board_range_nm(board)) continue;
    const Screen p = on_board(board, ahead.north, ahead.east);
    const Screen l = at_bearing(p.x, p.y, track - 90, 7);
    const Screen r = at_bearing(p.x, p.y, track + 90, 7);
    open(out, "g", {{"class", "storm-ahead"}, {"data-hours", std::to_string(hours)}});
    line(out, l, r, {c.storm, 2.5, ""});
    if (!any_labelled || std::hypot(p.x - labelled.x, p.y - labelled.y) >= 36) {
      label(out, at_bearing(p.x, p.y, track + 90, 9), track + 90, c.storm, hours_label(hours), 11);
      labelled = p;
      any_labelled = true;
    }
    close(out, "g");
  }
  arrow(out, centre, at_bearing(centre.x, centre.y, track, 30), {c.storm, 3, ""}, 12);
  close(out, "g");
}

}  // namespace

void draw_quarter(const Scene& scene, std::string& out) {
  const analysis::Advice& a = scene.advice;
  const Offset storm = storm_offset(a);
  // Ahead of the storm on the side of its track the advice names: the quadrant between the
  // track and the track turned 90 degrees to that side.
  const bool left = a.verdict.dangerous_side == analysis::TrackSide::kLeft;
  const double ahead = a.drawing.track;
  const double side = ahead + (left ? -90 : 90);
  const double far = 4 * board_range_nm(scene.board);
  const Offset corners[] = {storm, toward(storm, ahead, far),
                            toward(toward(storm, ahead, far), side, far), toward(storm, side, far)};
  std::string points;
  for (const Offset& o : corners) {
    const Screen p = on_board(scene.board, o.north, o.east);
    if (!finite(p)) return;
    points += coord(p.x) + "," + coord(p.y) + " ";
  }
  scene.legend.quarter = true;
  open(out, "g",
       {{"class", "dangerous-quarter"},
        {"data-track", exact(ahead)},
        {"data-side", left ? "left" : "right"},
        {"clip-path", std::string("url(#") + kPlotClip + ")"}});
  element(out, "polygon",
          {{"points", points},
           {"fill", scene.colours.quarter},
           {"fill-opacity", "0.12"},
           {"stroke", "none"}});
  element(out, "polygon",
          {{"points", points},
           {"fill", std::string("url(#") + kQuarterHatch + ")"},
           {"fill-opacity", "0.6"}});
  // The name well inside the quarter's part that lies on the board, away from the track
  // (along which the storm, its marks and often the CPA lie) and from the forecast's
  // positions and their labels; the first such place is taken.
  const double range = board_range_nm(scene.board);
  const auto near_forecast = [&](Screen at) {
    if (!a.drawing.forecast) return false;
    for (const analysis::ForecastPosition& p : a.drawing.forecast->positions) {
      const Screen mark = on_board(scene.board, p.centre.north, p.centre.east);
      if (std::abs(at.x - mark.x) < 130 && std::abs(at.y - mark.y) < 24) return true;
    }
    return false;
  };
  for (const auto& [along, across] : {std::pair{0.3, 0.8}, std::pair{0.8, 0.5}, std::pair{0.3, 0.3},
                                      std::pair{0.6, 0.8}, std::pair{0.1, 0.6}}) {
    const Offset o = toward(toward(storm, ahead, along * range), side, across * range);
    const Screen at = on_board(scene.board, o.north, o.east);
    if (std::hypot(at.x - kBoardX, at.y - kBoardY) > kPlotRadius - 60) continue;
    if (near_forecast(at)) continue;
    text(out,
         {{"x", coord(at.x)},
          {"y", coord(at.y)},
          {"fill", scene.colours.ink},
          {"font-size", "13"},
          {"font-style", "italic"},
          {"text-anchor", "middle"}},
         "dangerous quarter");
    break;
  }
  close(out, "g");
}

void draw_storm(const Scene& scene, std::string& out) {
  const analysis::Advice& a = scene.advice;
  const Palette& c = scene.colours;
  const Board& board = scene.board;

  // The distance to keep, around the ship: the storm's centre must stay outside it.
  const double keep_px = a.values.cpa * board.px_per_nm;
  if (std::isfinite(keep_px)) {
    scene.legend.keep = true;
    open(out, "g", {{"class", "keep"}, {"data-radius-nm", exact(a.values.cpa)}});
    element(out, "circle",
            {{"cx", coord(kBoardX)},
             {"cy", coord(kBoardY)},
             {"r", coord(keep_px)},
             {"fill", "none"},
             {"stroke", c.storm},
             {"stroke-width", "2"},
             {"stroke-dasharray", "10,5"}});
    if (keep_px > 12) {
      const double side = keep_label_bearing(a);
      label(out, at_bearing(kBoardX, kBoardY, side, keep_px), side, c.storm,
            "keep " + amount(a.values.cpa) + " nm", 12);
    }
    close(out, "g");
  }

  const Offset storm = storm_offset(a);
  const Screen centre = on_board(board, storm.north, storm.east);
  if (!finite(centre)) return;
  double bearing = a.values.bear;
  plane_geometry::norma(bearing);

  const std::optional<analysis::ForecastTrack>& forecast = a.drawing.forecast;
  if (forecast) draw_wind_radii(scene, *forecast, out);
  const bool forecast_ahead = forecast && forecast->positions.size() > 1;
  if (forecast_ahead) {
    draw_forecast_track(scene, *forecast, out);
  } else if (storm_moves(a)) {
    draw_present_track(scene, centre, out);
  }

  open(out, "g",
       {{"class", "storm"},
        {"data-bearing", exact(bearing)},
        {"data-distance", exact(a.values.dist)}});
  element(out, "circle",
          {{"cx", coord(centre.x)},
           {"cy", coord(centre.y)},
           {"r", "9"},
           {"fill", c.storm},
           {"stroke", c.ink},
           {"stroke-width", "1.5"}});
  element(out, "circle",
          {{"cx", coord(centre.x)}, {"cy", coord(centre.y)}, {"r", "3"}, {"fill", c.background}});
  // The label across the track from the labels of the positions ahead, or on the other side
  // when it would leave the plot or cover the ship; a storm at rest has it on the side
  // towards the ship, so that it stays on the board.
  const std::string words = "storm " + amount(a.values.dist) + " nm, " + amount(bearing) + "°";
  double side = bearing + 180;
  if (forecast_ahead || storm_moves(a)) {
    // Across the track from the positions' labels; else behind the storm, where no position
    // ahead is labelled; only then on their side.
    const double heading =
        forecast_ahead ? path_heading(scene, forecast->path, 0) : a.drawing.track;
    side = heading - 90;
    if (!label_fits(centre, side, words)) side = heading + 180;
    if (!label_fits(centre, side, words)) side = heading + 90;
  }
  // On a halo of the background, over the wind areas' outlines.
  open(out, "g",
       {{"paint-order", "stroke"},
        {"stroke", c.background},
        {"stroke-width", "3"},
        {"stroke-linejoin", "round"}});
  label(out, at_bearing(centre.x, centre.y, side, 14), side, c.ink, words, 13);
  close(out, "g");
  close(out, "g");
}

}  // namespace hurricane::picture
