#include "answer/storm_state.h"

namespace hurricane::answer {

Result<StormMotion> storm_motion(const advisory::Storm& storm) {
  switch (storm.motion.kind) {
    case advisory::Motion::Kind::kMoving:
      return StormMotion{storm.motion.velocity, MotionSource::kStated, {}};
    case advisory::Motion::Kind::kStationary:
      return StormMotion{{0.0, 0.0}, MotionSource::kStationary, {}};
    case advisory::Motion::Kind::kNotGiven:
      break;
  }
  if (!storm.previous) {
    return Error{ErrorKind::kUnusable, Field::kAdvisory, "",
                 "it states no motion of the storm and no earlier position to form "
                 "one from; give the storm by {storm}, {track} and {speed}"};
  }
  const std::array<situation::StormFix, 2> fixes = {*storm.previous, storm.fix};
  const Result<situation::Motion> motion =
      situation::motion_from_fixes(Field::kAdvisory, fixes[0], fixes[1]);
  if (!motion.ok()) {
    return Error{motion.error().kind, Field::kAdvisory, "",
                 "its fixes " + motion.error().value + ": " + motion.error().problem};
  }
  return StormMotion{motion.value(), MotionSource::kFixes, fixes};
}

situation::StormState storm_state(const advisory::Storm& storm, const situation::Motion& motion) {
  return {storm.fix.centre, storm.fix.time, motion};
}

}  // namespace hurricane::answer
