#include "forecast/track.h"

#include <cmath>

namespace hurricane::forecast {

double hours_between(Time from, Time to) {
  return static_cast<double>((to - from).count()) / 3600.0;
}

Time add_hours(Time from, double hours) {
  return from + std::chrono::seconds(static_cast<long long>(std::llround(hours * 3600.0)));
}

Time track_start(const StormTrack& track) {
  return add_hours(track.points.front().time, -kHindcastHours);
}

Time track_end(const StormTrack& track) {
  return track.points.back().time;
}

}  // namespace hurricane::forecast
