// A storm's centre at a time, as the navigator's fixes and the advisories give it.
#pragma once

#include "navigation/position.h"
#include "navigation/utc_time.h"

namespace hurricane::navigation {

struct Fix {
  LatLon centre;
  UtcTime time;
};

}  // namespace hurricane::navigation
