#include "answer/board_plan.h"

#include <algorithm>
#include <cmath>

#include "answer/answer.h"
#include "answer/board_forecast.h"
#include "land/mercator.h"
#include "navigation/utc_time.h"
#include "picture/layout.h"

namespace hurricane::answer {
namespace {

// Pixels of the board's outermost ring: a vertex step finer than one is not drawn.
constexpr double kBoardPixels = picture::kPlotRadius;

}  // namespace

analysis::BoardPlan board_plan(const plan::Plan& plan, const navigation::LatLon& ship) {
  analysis::BoardPlan board;
  if (!plan.track.empty()) {
    const plan::TrackTurn& now = plan.track.front();
    board.course_deg = now.speed_kn > 0.0 ? now.course_deg : 0;
    board.speed_kn = now.speed_kn;
    // The end of the track is no change of what is steered.
    if (plan.track.size() > 2) board.until = navigation::format_day_time(plan.track[1].at);
  }
  for (const plan::LatLon& at : plan.hourly) board.hourly.push_back(board_offset(ship, at));
  return board;
}

std::vector<std::vector<analysis::Offset>> board_shore(const land::Shoreline& shore,
                                                       const navigation::LatLon& ship,
                                                       double reach_nm, double step_nm) {
  // A box around the reach, in degrees, to leave the distant shorelines out cheaply.
  const double dlat = reach_nm / 60.0 + 0.5;
  const double dlon = std::min(
      180.0, reach_nm / (60.0 * std::max(0.05, std::cos(ship.lat * kRadiansPerDegree))) + 0.5);
  const auto inside = [&](std::size_t i) {
    const double lat = land::geodetic_latitude(shore.y[i]);
    const double lon = std::remainder(static_cast<double>(shore.x[i]) - ship.lon, 360.0);
    return std::fabs(lat - ship.lat) <= dlat && std::fabs(lon) <= dlon;
  };
  std::vector<std::vector<analysis::Offset>> lines;
  for (std::size_t line = 0; line < shore.line_count(); ++line) {
    std::vector<analysis::Offset> kept;
    for (std::size_t i = shore.line_start[line]; i < shore.line_start[line + 1]; ++i) {
      if (!inside(i)) {
        // Leaving the box ends a polyline; the next part inside starts another.
        if (kept.size() > 1) lines.push_back(std::move(kept));
        kept.clear();
        continue;
      }
      const analysis::Offset at = board_offset(
          ship, {land::geodetic_latitude(shore.y[i]), static_cast<double>(shore.x[i])});
      if (!kept.empty() &&
          std::hypot(at.north - kept.back().north, at.east - kept.back().east) < step_nm &&
          i + 1 < shore.line_start[line + 1]) {
        continue;
      }
      kept.push_back(at);
    }
    if (kept.size() > 1) lines.push_back(std::move(kept));
  }
  return lines;
}

analysis::Advice board_advice(const Answer& a, const land::Land* land) {
  analysis::Advice advice = *a.advice;
  const auto& derived = a.situation.derived;
  if (land == nullptr || !derived || !derived->ship) return advice;
  const picture::Board board = picture::board_for(advice);
  const double reach = board.ring_step_nm * board.rings;
  advice.drawing.shore =
      board_shore(land->shoreline(), *derived->ship, reach * 1.1, reach / kBoardPixels);
  return advice;
}

}  // namespace hurricane::answer
