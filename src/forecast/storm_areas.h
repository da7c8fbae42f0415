// The storms' areas as every output shows them: the danger area at each hour of the horizon
// (their union is the danger swath) and the 34-, 50- and 64-kt wind areas at each forecast point
// shown. Formed here once, so the chart and the exported files show the same shapes.
#pragma once

#include <cstddef>
#include <vector>

#include "forecast/advice.h"
#include "forecast/track.h"

namespace hurricane::forecast {

// Storm `storm`'s (index into the tracks) danger area at `at`.
struct DangerArea {
  std::size_t storm = 0;
  Time at{};
  std::vector<LatLon> outline;  // closed implicitly: the last point joins the first
};

// The danger areas of `storms`, as `advice` judged them, at every whole hour of the judged
// horizon where each storm is forecast: storm by storm, in time order. Empty when the advice
// judged no storm.
std::vector<DangerArea> danger_swath(const ForecastAdvice& advice,
                                     const std::vector<StormTrack>& storms);

// Storm `storm`'s wind area of `kt` at its forecast point `point`.
struct WindArea {
  std::size_t storm = 0;
  std::size_t point = 0;
  Time at{};
  int kt = 34;
  QuadrantNm radii_nm{};  // NE, SE, SW, NW
  std::vector<LatLon> outline;
};

// The end of what the outputs show of `advice`: the judged horizon, or the one asked for when no
// storm was judged.
Time shown_until(const ForecastAdvice& advice);

// The points of `track` shown up to `end`: those up to it and the first after it.
std::size_t points_shown(const StormTrack& track, Time end);

// The wind areas of `storms` at the points shown up to `end`, 34 kt first, then 50 and 64, each
// storm by storm in time order; radii that are all zero give none.
std::vector<WindArea> wind_areas(const std::vector<StormTrack>& storms, Time end);

}  // namespace hurricane::forecast
