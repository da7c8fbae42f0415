// A plan's shape: how long the voyage is held, then each leg's course, speed and hours; and
// how one plan ranks against another.
#pragma once

#include <cstddef>
#include <vector>

#include "plan/walk.h"

namespace hurricane::plan {

struct LegShape {
  int course_deg = 0;
  std::size_t speed = 0;  // into kLegSpeeds
  double hours = 0.0;     // without a voyage the last leg runs to the horizon whatever this says
};

struct Shape {
  double hold_h = 0.0;  // hours the voyage is held first (without a voyage: 0)
  std::vector<LegShape> legs;
};

// Walks the plan of `shape` from the start: the voyage held, each leg, then the voyage resumed
// to the horizon (without a voyage the last leg runs on). `marks`, when given, gets the cursor
// at the end of the hold and of each leg. False at the first breach.
bool walk_shape(const Walk& walk, const Shape& shape, Cursor& cursor,
                std::vector<Cursor>* marks = nullptr);

struct Scored {
  Shape shape;
  double progress_nm = 0.0;
  double least_nm = 0.0;
  double run_nm = 0.0;          // steamed over the whole plan
  double arrive_h = kInfinity;  // at the destination or the route's end; never: infinity
};

// The plan walked to its end at `end`, scored.
Scored score(const Walk& walk, const Shape& shape, const Cursor& end);

// Clearance beyond this buys no more: a ship well clear is not sent hundreds of miles round to
// be further clear still (the danger area already holds the forecast error and the margin).
inline constexpr double kAmpleClearanceNm = 50.0;

// A least clearance as the ranking counts it: to the whole nm, up to the ample.
double ranked_clearance(double least_nm);

// The ranking: more progress (to the whole nm), then a larger least clearance (to the whole
// nm, up to the ample), then the earlier arrival (to the whole hour), then less steaming (to the
// whole nm: a ship already clear waits rather than wanders), then fewer legs, then a later first
// alteration.
bool better(const Scored& a, const Scored& b);

}  // namespace hurricane::plan
