#include "forecast/track.h"

namespace hurricane::forecast {

Time track_start(const StormTrack& track) {
  return add_hours(track.points.front().time, -kHindcastHours);
}

Time track_end(const StormTrack& track) {
  return track.points.back().time;
}

}  // namespace hurricane::forecast
