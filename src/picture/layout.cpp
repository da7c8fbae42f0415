#include "picture/layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "navigation/units.h"

namespace hurricane::picture {

Board board_for(const analysis::Advice& advice) {
  // A little room beyond the storm, so that its mark does not sit on the outermost ring.
  double extent = 1.1 * std::max(advice.values.dist, advice.values.cpa);
  if (!std::isfinite(extent) || extent < 1) extent = 1;
  // With a forecast, its positions ahead too, so far as the board does not shrink to less
  // than half the scale of the storm alone.
  if (advice.drawing.forecast) {
    double ahead = 0;
    for (const analysis::ForecastPosition& p : advice.drawing.forecast->positions) {
      const double nm = 1.1 * std::hypot(p.centre.north, p.centre.east);
      if (std::isfinite(nm)) ahead = std::max(ahead, nm);
    }
    extent = std::max(extent, std::min(ahead, 2 * extent));
  }

  // Three to five rings at 1, 2 or 5 times a power of ten.
  const double target = extent / 5;
  const double power = std::pow(10.0, std::floor(std::log10(target)));
  const double mantissa = target / power;
  const double step = (mantissa <= 1 ? 1 : mantissa <= 2 ? 2 : mantissa <= 5 ? 5 : 10) * power;
  Board board;
  board.ring_step_nm = step;
  board.rings = std::max(1, static_cast<int>(std::ceil(extent / step)));
  board.px_per_nm = kPlotRadius / (board.rings * step);
  return board;
}

Screen at_bearing(double cx, double cy, double bearing, double radius_px) {
  const double b = bearing * kRadiansPerDegree;
  return {cx + radius_px * std::sin(b), cy - radius_px * std::cos(b)};
}

Screen on_board(const Board& board, double north_nm, double east_nm) {
  return {kBoardX + east_nm * board.px_per_nm, kBoardY - north_nm * board.px_per_nm};
}

bool finite(Screen p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace hurricane::picture
