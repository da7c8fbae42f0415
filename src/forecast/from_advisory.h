// The one bridge from an advisory's storm value to the forecast's own types.
#pragma once

#include <optional>

#include "advisory/storm.h"
#include "forecast/track.h"

namespace hurricane::forecast {

// The track of `storm`: its analysis, then every forecast and outlook point with a position in
// time order, up to a DISSIPATED or ABSORBED point (kept when it has a position), which ends it.
// Nothing when the storm holds no forecast point with a position (a best track alone).
std::optional<StormTrack> track_from_advisory(const advisory::Storm& storm);

}  // namespace hurricane::forecast
