// Storm tracks built by hand for the forecast tests and benchmark.
#pragma once

#include <chrono>
#include <initializer_list>
#include <string>

#include "forecast/track.h"

namespace hurricane::forecast::testing {

// 2024-09-01T12:00Z, the analysis time of the hand-made tracks.
inline Time analysis_time() {
  using namespace std::chrono;
  return sys_days{year{2024} / 9 / 1} + hours{12};
}

inline QuadrantNm equal_radii(double nm) {
  return {nm, nm, nm, nm};
}

struct GivenPoint {
  double hour;
  LatLon centre;
  int max_wind_kt;
  QuadrantNm radii34;
};

// A track through `points` (the first at hour 0 is the analysis), 34-kt radii only.
inline StormTrack track_of(std::initializer_list<GivenPoint> points,
                           navigation::Motion motion = {}) {
  StormTrack track;
  track.storm_id = "AL992024";
  track.advisory = "1";
  track.basin = "AL";
  track.season = 2024;
  track.motion = motion;
  for (const GivenPoint& given : points) {
    TrackPoint point;
    point.time = add_hours(analysis_time(), given.hour);
    point.centre = given.centre;
    point.max_wind_kt = given.max_wind_kt;
    point.radii[0] = given.radii34;
    track.points.push_back(point);
  }
  return track;
}

}  // namespace hurricane::forecast::testing
