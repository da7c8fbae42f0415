// Where things go on the canvas, and the scale of the board for one advice.
//
// The board is the maneuvering board: the ship at its centre, north up, east to the right.
// A bearing b at r pixels from the centre lies at (x, y) = (cx + r sin b, cy - r cos b) in
// screen pixels (y grows downwards).
#pragma once

#include "analysis/advice.h"

namespace hurricane::picture {

inline constexpr double kCanvasWidth = 1040;
inline constexpr double kCanvasHeight = 940;

// The board: range rings inside kPlotRadius, the bearing ring as a band outside it.
inline constexpr double kBoardX = 390;
inline constexpr double kBoardY = 455;
inline constexpr double kPlotRadius = 300;  // pixels of the outermost range ring
inline constexpr double kBandInner = 306;   // the course band of the bearing ring
inline constexpr double kBandOuter = 328;
inline constexpr double kTickMinor = 334;     // ticks every 10 degrees end here
inline constexpr double kTickMajor = 340;     // ticks every 30 degrees end here
inline constexpr double kBearingLabel = 354;  // labels every 30 degrees

// The velocity diagram in the right column.
inline constexpr double kInsetX = 790;  // top left corner of its box
inline constexpr double kInsetY = 80;
inline constexpr double kInsetSize = 240;

inline constexpr double kLegendX = 790;
inline constexpr double kLegendY = 360;
inline constexpr double kCaptionY = 846;  // baseline of the first caption line

struct Screen {
  double x = 0;
  double y = 0;
};

// The scale of the board for one advice: the storm and the distance to keep fit inside
// the outermost ring, rings every round number of nautical miles.
struct Board {
  double ring_step_nm = 1;  // nm between range rings: 1, 2 or 5 times a power of ten
  int rings = 1;            // number of range rings; the outermost is at kPlotRadius
  double px_per_nm = kPlotRadius;
};

// board_for: the board's scale for the advice's distance of the storm and distance to keep.
Board board_for(const analysis::Advice& advice);

// at_bearing: the screen point `radius_px` pixels from (cx, cy) towards `bearing` (degrees,
// clockwise from north).
Screen at_bearing(double cx, double cy, double bearing, double radius_px);

// on_board: the screen point of a position given as its offset from the ship, nm north and
// nm east.
Screen on_board(const Board& board, double north_nm, double east_nm);

// finite: whether both coordinates are finite numbers.
bool finite(Screen p);

}  // namespace hurricane::picture
