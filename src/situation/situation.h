// One situation from what a front-end was given: the six answers the analysis takes, the
// hemisphere, and a record of what was worked out from positions and fixes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/round_values.h"
#include "error/error.h"
#include "situation/position.h"
#include "situation/storm.h"
#include "situation/utc_time.h"

namespace hurricane::situation {

// The inputs as a front-end reads them: numbers already numbers, everything else its text
// (positions, fixes and times in the forms of position.h, storm.h and utc_time.h). Absent
// means not given.
struct Request {
  std::optional<double> distance;    // nm
  std::optional<double> bearing;     // degrees true, of the storm seen from the ship
  std::optional<double> track;       // degrees true
  std::optional<double> speed;       // kn
  std::optional<double> keep;        // nm
  std::optional<double> ship_speed;  // kn
  std::optional<std::string> ship;
  std::optional<std::string> storm;
  std::vector<std::string> storm_fixes;  // none or two, in time order
  std::optional<std::string> at;
  std::optional<UtcTime> now;  // the clock's reading for "now" and date-time groups; absent: the
                               // system clock
  std::optional<analysis::Hemisphere> hemisphere;  // absent: from the storm's latitude
};

// The same inputs, read: what situation_from works with. A storm state from an advisory
// enters here.
struct Givens {
  std::optional<double> distance;
  std::optional<double> bearing;
  std::optional<LatLon> ship;
  StormState storm;
  std::optional<std::array<StormFix, 2>> fixes;  // where storm.motion came from, if from fixes
  bool storm_from_fix = false;  // storm.centre is the later fix (no position was given)
  std::optional<UtcTime> at;
  std::optional<double> keep;
  std::optional<double> ship_speed;
  std::optional<analysis::Hemisphere> hemisphere;
  // The storm's next latitude off the equator (an advisory's forecast), for a storm on it.
  std::optional<double> storm_heading_lat;
};

// What positions and fixes gave, for the navigator to check.
struct Derived {
  std::optional<LatLon> ship;         // present when distance and bearing came from positions
  std::optional<LatLon> storm;        // the centre used, after moving it to `at`
  std::optional<UtcTime> storm_time;  // the time of `storm` (the later fix, or `at`)
  bool storm_from_fix = false;        // `storm` is (moved from) the later fix
  std::optional<std::array<StormFix, 2>> fixes;  // present when track and speed came from them
  std::optional<LatLon> moved_from;              // the centre before it was moved to `at`
  std::optional<UtcTime> moved_from_time;
  double hours_moved = 0.0;
};

struct Situation {
  analysis::Answers answers;  // the six values, unrounded
  analysis::Hemisphere hemisphere = analysis::Hemisphere::kNorth;
  std::optional<Derived> derived;  // present when positions or fixes were used
  // For the navigator, not errors (a far `at`); inputs named as in Error::problem, for
  // worded().
  std::vector<std::string> warnings;
};

// read_request: every text of `request` read into its typed value, and the fixes turned into
// the storm's motion and its position and time; the first unreadable input is the error. Date-time
// groups without month and year are taken near `reference` (an advisory's time), else near now.
Result<Givens> read_request(const Request& request,
                            std::optional<UtcTime> reference = std::nullopt);

// situation_from: distance and bearing (given, or the geodesic from the ship to the storm),
// track and speed, and the hemisphere: given, else that of the storm's centre (the rotation is
// the storm's); for a storm on the equator that of its forecast latitude, else the ship's, and
// a warning says so; with no positions at all, north. The
// storm is first moved to `at` when given; more than 12 hours forward or any time backward is
// warned about. Missing or conflicting inputs and unusable values (not finite, negative, a
// distance without its bearing) are the error.
Result<Situation> situation_from(const Givens& givens);

// form_situation: read_request, then situation_from.
Result<Situation> form_situation(const Request& request);

// The hours --at may move the storm forward before it is warned about.
inline constexpr double kHoursMovedWithoutWarning = 12.0;

// Bounds of what is taken at all: the dialogue's largest answer, a ship's top speed and a
// tropical cyclone's speed of advance (kn), and the least distance from the centre (nm).
inline constexpr double kLargestValue = 999999.0;
inline constexpr double kFastestShipKn = 50.0;
inline constexpr double kFastestStormKn = 60.0;
inline constexpr double kLeastDistanceNm = 1.0;

// Bounds past which a value is taken but warned about: a ship this far from the storm (nm),
// a storm this fast from its fixes (kn), fixes this far apart (hours).
inline constexpr double kFarDistanceNm = 1500.0;
inline constexpr double kFastFixesKn = 35.0;
inline constexpr double kFixesApartHours = 24.0;

// Within this many degrees of the equator the storm's latitude names no hemisphere.
inline constexpr double kEquatorBandDeg = 0.05;

}  // namespace hurricane::situation
