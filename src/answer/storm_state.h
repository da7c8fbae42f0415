// An advisory's storm in the situation's terms: its centre, its time and its motion.
#pragma once

#include <array>
#include <optional>

#include "advisory/storm.h"
#include "error/error.h"
#include "situation/storm.h"

namespace hurricane::answer {

// Where the storm's motion came from.
enum class MotionSource {
  kStated,      // the advisory's present movement (or ATCF direction and speed)
  kStationary,  // the advisory says stationary: speed 0, track 0
  kFixes,       // none stated: the two-fix rule from the previous fix to the present one
};

struct StormMotion {
  situation::Motion motion;
  MotionSource source = MotionSource::kStated;
  std::optional<std::array<situation::StormFix, 2>> fixes;  // with kFixes: previous, present
};

// storm_motion: the movement the advisory states; when it states none, the motion between the
// previous fix and the present one, as `advise` forms it from two --storm-fix. Without a
// previous fix before the present one it is an unusable value of the advisory.
Result<StormMotion> storm_motion(const advisory::Storm& storm);

// storm_state: the present centre, its time, and `motion`.
situation::StormState storm_state(const advisory::Storm& storm, const situation::Motion& motion);

}  // namespace hurricane::answer
