// Wind radii per quadrant at any time of a track: each point's radii resolved once, then linear
// in time between points.
#pragma once

#include <optional>
#include <vector>

#include "forecast/track.h"

namespace hurricane::forecast {

// A point's radii for one threshold as the sweep uses them.
struct ResolvedRadii {
  QuadrantNm nm{};
  // When the point lists no radii for a threshold its max wind reaches, the previous point's
  // radii hold; this is the hour (from the analysis) of the first point where radii other than
  // zero were held so.
  std::optional<double> carried_from_h;
};

class RadiiInTime {
 public:
  // Resolves every point's radii: given ones as they are; a threshold not listed counts as 0
  // when the point's max wind is below it (or unknown and the analysis has none), otherwise the
  // previous point's radii hold.
  explicit RadiiInTime(const StormTrack& track);

  // Radii for `threshold` at `time`; before the analysis the analysis's, after the last point
  // the last point's.
  QuadrantNm at(Time time, Threshold threshold) const;

  // The resolved radii of point `index` of the track.
  const ResolvedRadii& point(std::size_t index, Threshold threshold) const;

  // The earliest hour from which any threshold's radii are carried, if any.
  std::optional<double> carried_from_h() const;

 private:
  std::vector<Time> times_;
  std::vector<std::array<ResolvedRadii, 3>> resolved_;
};

}  // namespace hurricane::forecast
