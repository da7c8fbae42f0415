// A point of the plane centred on the hurricane.
#pragma once

namespace hurricane::analysis {

// A point of the plane centred on the hurricane: x north, y east (nm, or kn for velocities).
struct Point {
  double x = 0.0;
  double y = 0.0;
};

}  // namespace hurricane::analysis
