// The storm on the board: its dangerous quarter, the distance to keep, its centre, track and
// positions ahead.
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

#include "geometry/bearing.h"
#include "picture/parts.h"
#include "picture/shapes.h"
#include "picture/svg.h"

namespace hurricane::picture {
namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180;

// Offsets from the ship, nm north and east.
struct Offset {
  double north = 0;
  double east = 0;
};

Offset storm_offset(const analysis::Advice& a) {
  return {a.drawing.storm.north, a.drawing.storm.east};
}

Offset toward(Offset from, double bearing, double nm) {
  return {from.north + nm * std::cos(bearing * kRadPerDeg),
          from.east + nm * std::sin(bearing * kRadPerDeg)};
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
  // (along which the storm, its marks and often the CPA lie); the first place that is on the
  // board is taken.
  const double range = board_range_nm(scene.board);
  for (const auto& [along, across] :
       {std::pair{0.3, 0.8}, std::pair{0.8, 0.5}, std::pair{0.3, 0.3}}) {
    const Offset o = toward(toward(storm, ahead, along * range), side, across * range);
    const Screen at = on_board(scene.board, o.north, o.east);
    if (std::hypot(at.x - kBoardX, at.y - kBoardY) > kPlotRadius - 60) continue;
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
      label(out, at_bearing(kBoardX, kBoardY, 225, keep_px), 225, c.storm,
            "keep " + amount(a.values.cpa) + " nm", 12);
    }
    close(out, "g");
  }

  const Offset storm = storm_offset(a);
  const Screen centre = on_board(board, storm.north, storm.east);
  if (!finite(centre)) return;
  double bearing = a.values.bear;
  geometry::norma(bearing);

  if (storm_moves(a)) {
    // The track: a line ahead across the board, ticks at the positions after 12, 24 and 48
    // hours at the stated speed, and a short vector at the centre.
    const double track = a.drawing.track;
    open(out, "g",
         {{"class", "track"},
          {"data-track", exact(track)},
          {"data-speed-kn", exact(a.values.speed)}});
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
        label(out, at_bearing(p.x, p.y, track + 90, 9), track + 90, c.storm, hours_label(hours),
              11);
        labelled = p;
        any_labelled = true;
      }
      close(out, "g");
    }
    arrow(out, centre, at_bearing(centre.x, centre.y, track, 30), {c.storm, 3, ""}, 12);
    close(out, "g");
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
  // The label across the track from the labels of the positions ahead; a storm at rest has
  // it on the side towards the ship, so that it stays on the board.
  const double side = storm_moves(a) ? a.drawing.track - 90 : bearing + 180;
  label(out, at_bearing(centre.x, centre.y, side, 14), side, c.ink,
        "storm " + amount(a.values.dist) + " nm, " + amount(bearing) + "°", 13);
  close(out, "g");
}

}  // namespace hurricane::picture
