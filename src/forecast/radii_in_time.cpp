#include "forecast/radii_in_time.h"

#include <algorithm>

namespace hurricane::forecast {

RadiiInTime::RadiiInTime(const StormTrack& track) {
  const Time analysis = track.points.front().time;
  for (std::size_t i = 0; i < track.points.size(); ++i) {
    const TrackPoint& point = track.points[i];
    times_.push_back(point.time);
    std::array<ResolvedRadii, 3> radii{};
    for (std::size_t k = 0; k < 3; ++k) {
      if (point.radii[k]) {
        radii[k].nm = *point.radii[k];
      } else if (i > 0 && point.max_wind_kt.value_or(kThresholdKt[k]) >= kThresholdKt[k]) {
        radii[k] = resolved_.back()[k];
        // Zero radii held are the same as none: only winds that reach somewhere are carried.
        const bool reach =
            std::any_of(radii[k].nm.begin(), radii[k].nm.end(), [](double nm) { return nm > 0.0; });
        if (reach && !radii[k].carried_from_h) {
          radii[k].carried_from_h = hours_between(analysis, point.time);
        }
      }
    }
    resolved_.push_back(radii);
  }
}

QuadrantNm RadiiInTime::at(Time time, Threshold threshold) const {
  const auto k = static_cast<std::size_t>(threshold);
  if (time <= times_.front()) return resolved_.front()[k].nm;
  if (time >= times_.back()) return resolved_.back()[k].nm;
  const std::size_t after = static_cast<std::size_t>(
      std::upper_bound(times_.begin(), times_.end(), time) - times_.begin());
  const std::size_t before = after - 1;
  const double w =
      hours_between(times_[before], time) / hours_between(times_[before], times_[after]);
  QuadrantNm radii{};
  for (std::size_t q = 0; q < 4; ++q) {
    radii[q] = (1.0 - w) * resolved_[before][k].nm[q] + w * resolved_[after][k].nm[q];
  }
  return radii;
}

const ResolvedRadii& RadiiInTime::point(std::size_t index, Threshold threshold) const {
  return resolved_.at(index)[static_cast<std::size_t>(threshold)];
}

std::optional<double> RadiiInTime::carried_from_h() const {
  std::optional<double> earliest;
  for (const auto& radii : resolved_) {
    for (const ResolvedRadii& r : radii) {
      if (r.carried_from_h && (!earliest || *r.carried_from_h < *earliest)) {
        earliest = r.carried_from_h;
      }
    }
  }
  return earliest;
}

}  // namespace hurricane::forecast
