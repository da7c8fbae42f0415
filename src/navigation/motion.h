// How something moves over the earth, as every area states it.
#pragma once

#include <optional>

#include "navigation/fix.h"

namespace hurricane::navigation {

// Motion over ground. Something at rest has speed 0 (its track then does not matter).
struct Motion {
  double track = 0.0;  // direction of advance, degrees true, [0, 360)
  double speed = 0.0;  // kn, not negative
};

// motion_between: the storm's motion from one fix to a later one, as the navigator forms it from
// two fixes: the track is the geodesic's direction at the later fix (where the centre is heading
// now), the speed its length on WGS84 over the hours between. Nothing unless `later` is later.
std::optional<Motion> motion_between(const Fix& earlier, const Fix& later);

}  // namespace hurricane::navigation
