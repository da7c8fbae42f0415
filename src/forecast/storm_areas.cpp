#include "forecast/storm_areas.h"

#include <algorithm>
#include <cmath>

#include "forecast/danger_outline.h"
#include "forecast/radii_in_time.h"
#include "forecast/storm_samples.h"

namespace hurricane::forecast {
namespace {

// The danger area every hour, each outline with this many points: fine enough that the union
// reads as one smooth swath at any chart scale.
constexpr double kSwathStepH = 1.0;
constexpr int kOutlinePoints = 90;
// Each quadrant's arc of a wind area in this many steps.
constexpr int kWindArcSteps = 18;

}  // namespace

std::vector<DangerArea> danger_swath(const ForecastAdvice& advice,
                                     const std::vector<StormTrack>& storms) {
  std::vector<DangerArea> areas;
  const double hours = advice.sweep.horizon_h;
  if (!advice.sweep.judged || hours <= 0.0) return areas;
  const auto count = static_cast<std::size_t>(std::floor(hours / kSwathStepH)) + 1;
  for (std::size_t s = 0; s < storms.size(); ++s) {
    // Each storm's own cone, as the advice judged it (its basin's and season's table).
    const ErrorModel& error = s < advice.storms.size() ? advice.storms[s].error : advice.error;
    std::size_t i = 0;
    for (const StormSample& sample :
         storm_samples(storms[s], error, advice.at, kSwathStepH, count)) {
      const Time at = add_hours(advice.at, static_cast<double>(i++) * kSwathStepH);
      if (sample.judged) areas.push_back({s, at, danger_outline(sample, kOutlinePoints)});
    }
  }
  return areas;
}

Time shown_until(const ForecastAdvice& advice) {
  return add_hours(advice.at,
                   advice.sweep.judged ? advice.sweep.horizon_h : advice.requested_horizon_h);
}

std::size_t points_shown(const StormTrack& track, Time end) {
  std::size_t count = 0;
  while (count < track.points.size()) {
    if (track.points[count++].time > end) break;
  }
  return count;
}

std::vector<WindArea> wind_areas(const std::vector<StormTrack>& storms, Time end) {
  std::vector<WindArea> areas;
  for (std::size_t k = 0; k < kThresholdKt.size(); ++k) {
    const auto threshold = static_cast<Threshold>(k);
    for (std::size_t s = 0; s < storms.size(); ++s) {
      const StormTrack& track = storms[s];
      const RadiiInTime radii(track);
      for (std::size_t i = 0; i < points_shown(track, end); ++i) {
        const QuadrantNm& nm = radii.point(i, threshold).nm;
        if (*std::max_element(nm.begin(), nm.end()) <= 0.0) continue;
        areas.push_back({s, i, track.points[i].time, kThresholdKt[k], nm,
                         wind_area_outline(track.points[i].centre, nm, kWindArcSteps)});
      }
    }
  }
  return areas;
}

}  // namespace hurricane::forecast
