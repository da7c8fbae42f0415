#include "situation/storm.h"

#include <string>

#include "navigation/geodesic.h"

namespace hurricane::situation {

Result<StormFix> parse_storm_fix(Field field, std::string_view text, const TimeContext& context) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) {
    return Error{ErrorKind::kUnusable, field, std::string(text),
                 "expected TIME,POS such as 2023-09-12T18:00Z,24.7N,66.4W"};
  }
  const Result<UtcTime> time = parse_time(field, text.substr(0, comma), context);
  if (!time.ok()) return Error{time.error().kind, field, std::string(text), time.error().problem};
  const Result<LatLon> position = parse_position(field, text.substr(comma + 1));
  if (!position.ok()) {
    return Error{position.error().kind, field, std::string(text), position.error().problem};
  }
  return StormFix{position.value(), time.value()};
}

Result<Motion> motion_from_fixes(Field field, const StormFix& earlier, const StormFix& later) {
  if (const std::optional<Motion> motion = navigation::motion_between(earlier, later)) {
    return *motion;
  }
  return Error{ErrorKind::kUnusable, field,
               format_utc_time(earlier.time) + " then " + format_utc_time(later.time),
               earlier.time == later.time
                   ? "the two fixes have the same time"
                   : "the fixes are in the wrong order: the first must be the earlier"};
}

MovedCentre move_centre(LatLon centre, const Motion& motion, UtcTime from, UtcTime to) {
  const double hours = hours_between(from, to);
  const navigation::Destination end =
      navigation::direct(centre, motion.track, motion.speed * hours);
  return {end.position, end.azimuth, hours};
}

}  // namespace hurricane::situation
