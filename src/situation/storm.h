// The hurricane's state: where its centre is, when, and how it moves.
#pragma once

#include <optional>
#include <string_view>

#include "error/error.h"
#include "navigation/fix.h"
#include "navigation/motion.h"
#include "situation/position.h"
#include "situation/utc_time.h"

namespace hurricane::situation {

// How the centre moves. A stationary storm has speed 0 (its track then does not matter).
using navigation::Motion;

// One observed position of the centre.
using StormFix = navigation::Fix;

// What is known of the storm, from options or from an advisory; each part may be missing.
struct StormState {
  std::optional<LatLon> centre;
  std::optional<UtcTime> time;  // the time of `centre`
  std::optional<Motion> motion;
};

// parse_storm_fix: "TIME,POS" ("2023-09-12T18:00Z,24.7N,66.4W"), TIME as parse_time
// reads it and POS as parse_position does.
Result<StormFix> parse_storm_fix(Field field, std::string_view text, const TimeContext& context);

// motion_from_fixes: the motion between two fixes: the track is the direction of the geodesic
// from `earlier` to `later` where it reaches `later`, the speed its length over the elapsed
// time. `later` at or before `earlier` is an error of `field`.
Result<Motion> motion_from_fixes(Field field, const StormFix& earlier, const StormFix& later);

// A centre carried forward (or back) in time along its motion.
struct MovedCentre {
  LatLon centre;
  double track = 0.0;  // the direction of advance at `centre`, degrees true, [0, 360)
  double hours = 0.0;  // time moved, negative when backward
};

// move_centre: where `centre`, moving as `motion` says from `from`, is at `to`: it follows the
// geodesic in the direction of the track at constant speed.
MovedCentre move_centre(LatLon centre, const Motion& motion, UtcTime from, UtcTime to);

}  // namespace hurricane::situation
