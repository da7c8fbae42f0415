// Where a storm's centre is at a time: along the WGS84 geodesic between consecutive track points
// at constant speed, and before the analysis back along the present motion.
#pragma once

#include <vector>

#include <GeographicLib/GeodesicLine.hpp>

#include "forecast/track.h"

namespace hurricane::forecast {

class CentreInTime {
 public:
  // `track` must hold at least the analysis, its points in strictly increasing time.
  explicit CentreInTime(const StormTrack& track);

  // The centre at `time`, which must lie in [track_start, track_end]; longitude in [-180, 180].
  LatLon at(Time time) const;

 private:
  struct Leg {
    Time from{};
    double hours = 0.0;
    GeographicLib::GeodesicLine line;
    double length_m = 0.0;
  };
  std::vector<Leg> legs_;  // the first runs back from the analysis along the present motion
};

}  // namespace hurricane::forecast
