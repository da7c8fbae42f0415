// How something moves over the earth, as every area states it.
#pragma once

namespace hurricane::navigation {

// Motion over ground. Something at rest has speed 0 (its track then does not matter).
struct Motion {
  double track = 0.0;  // direction of advance, degrees true, [0, 360)
  double speed = 0.0;  // kn, not negative
};

}  // namespace hurricane::navigation
