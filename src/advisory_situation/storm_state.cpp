#include "advisory_situation/storm_state.h"

#include <chrono>

namespace hurricane::advisory_situation {

situation::UtcTime utc_time(const advisory::UtcTime& time) {
  const std::chrono::year_month_day date{std::chrono::year{time.year},
                                         std::chrono::month{static_cast<unsigned>(time.month)},
                                         std::chrono::day{static_cast<unsigned>(time.day)}};
  return std::chrono::sys_days{date} + std::chrono::hours{time.hour} +
         std::chrono::minutes{time.minute};
}

situation::LatLon lat_lon(const advisory::GeoPoint& point) {
  return {point.lat_deg, point.lon_deg};
}

situation::Result<StormMotion> storm_motion(const advisory::Storm& storm) {
  switch (storm.motion.kind) {
    case advisory::Motion::Kind::kMoving:
      return StormMotion{
          {storm.motion.track_deg, storm.motion.speed_kn}, MotionSource::kStated, {}};
    case advisory::Motion::Kind::kStationary:
      return StormMotion{{0.0, 0.0}, MotionSource::kStationary, {}};
    case advisory::Motion::Kind::kNotGiven:
      break;
  }
  if (!storm.previous) {
    return situation::Error{situation::ErrorKind::kUnusable, situation::Field::kAdvisory, "",
                            "it states no motion of the storm and no earlier position to form "
                            "one from; give the storm by {storm}, {track} and {speed}"};
  }
  const std::array<situation::StormFix, 2> fixes = {
      situation::StormFix{utc_time(storm.previous->time), lat_lon(storm.previous->centre)},
      situation::StormFix{utc_time(storm.fix.time), lat_lon(storm.fix.centre)}};
  const situation::Result<situation::Motion> motion =
      situation::motion_from_fixes(situation::Field::kAdvisory, fixes[0], fixes[1]);
  if (!motion.ok()) {
    return situation::Error{motion.error().kind, situation::Field::kAdvisory, "",
                            "its fixes " + motion.error().value + ": " + motion.error().problem};
  }
  return StormMotion{motion.value(), MotionSource::kFixes, fixes};
}

situation::StormState storm_state(const advisory::Storm& storm, const situation::Motion& motion) {
  return {lat_lon(storm.fix.centre), utc_time(storm.fix.time), motion};
}

}  // namespace hurricane::advisory_situation
