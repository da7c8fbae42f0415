#include "situation/situation.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "navigation/geodesic.h"

namespace hurricane::situation {
namespace {

Error missing(Field field, std::string problem) {
  return Error{ErrorKind::kMissing, field, "", std::move(problem)};
}

Error conflict(Field field, std::string problem) {
  return Error{ErrorKind::kConflict, field, "", std::move(problem)};
}

std::string number_text(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

// A length, speed or direction must be finite and not negative. (The classic dialogue reads
// -90 as 90; here a minus sign is refused rather than guessed at.) Nor may it exceed what the
// dialogue takes, or what a direction, a ship or a storm can be.
std::optional<Error> check_quantity(Field field, double value) {
  auto unusable = [&](std::string problem) {
    return Error{ErrorKind::kUnusable, field, number_text(value), std::move(problem)};
  };
  if (!std::isfinite(value)) return unusable("not a finite number");
  if (value < 0.0) return unusable("must not be negative");
  if ((field == Field::kBearing || field == Field::kTrack) && value >= 360.0) {
    return unusable("a direction must lie in [0, 360) degrees");
  }
  if (field == Field::kShipSpeed && value > kFastestShipKn) {
    return unusable("beyond 50 kn: no ship escapes that fast; give the ship's real top speed");
  }
  if (field == Field::kSpeed && value > kFastestStormKn) {
    return unusable("beyond 60 kn: no tropical cyclone moves that fast");
  }
  if (value > kLargestValue) return unusable("beyond 999999, the largest value the dialogue takes");
  return std::nullopt;
}

// Reads the two fixes into the storm's motion, and its position and time where no position
// was given.
std::optional<Error> read_fixes(const Request& request, const TimeContext& clock, Givens& givens) {
  if (request.storm_fixes.empty()) return std::nullopt;
  if (request.storm_fixes.size() != 2) {
    const std::size_t times = request.storm_fixes.size();
    return missing(Field::kStormFix, (times == 1 ? std::string("given once")
                                                 : "given " + std::to_string(times) + " times") +
                                         "; give it exactly twice, the earlier fix first");
  }
  if (request.track || request.speed) {
    return conflict(request.track ? Field::kTrack : Field::kSpeed,
                    "give either {track} and {speed} or two {storm_fix}, not both");
  }
  std::array<StormFix, 2> fixes;
  for (std::size_t i = 0; i < 2; ++i) {
    const Result<StormFix> fix = parse_storm_fix(Field::kStormFix, request.storm_fixes[i], clock);
    if (!fix.ok()) return fix.error();
    fixes[i] = fix.value();
  }
  const Result<Motion> motion = motion_from_fixes(Field::kStormFix, fixes[0], fixes[1]);
  if (!motion.ok()) return motion.error();
  if (motion.value().speed > kFastestStormKn) {
    char problem[160];
    std::snprintf(problem, sizeof problem,
                  "the fixes give a storm speed of %.0f kn, beyond 60 kn: no tropical cyclone "
                  "moves that fast; check their times and positions",
                  motion.value().speed);
    return Error{ErrorKind::kUnusable, Field::kStormFix,
                 request.storm_fixes[0] + " then " + request.storm_fixes[1], problem};
  }
  givens.storm.motion = motion.value();
  givens.storm.time = fixes[1].time;
  givens.fixes = fixes;
  if (!givens.storm.centre) {
    givens.storm.centre = fixes[1].centre;
    givens.storm_from_fix = true;
  }
  return std::nullopt;
}

// Which of the ways to place the storm the inputs take: given distance and bearing, or ship
// and storm positions; a mixture or neither is the error.
std::optional<Error> placement_error(const Givens& givens) {
  const bool storm_given = givens.storm.centre && !givens.storm_from_fix;
  if (givens.distance || givens.bearing) {
    if (givens.ship) {
      return conflict(Field::kShip, "give either {ship} and {storm} or {distance} and {bearing}");
    }
    if (storm_given) {
      return conflict(Field::kStorm, "give either {ship} and {storm} or {distance} and {bearing}");
    }
    if (givens.at) return conflict(Field::kAt, "moving the storm needs {ship}, not {distance}");
    if (!givens.distance) return missing(Field::kDistance, "{bearing} needs {distance}");
    if (!givens.bearing) return missing(Field::kBearing, "{distance} needs {bearing}");
    return std::nullopt;
  }
  if (!givens.ship && !givens.storm.centre) {
    return missing(Field::kDistance, "give {distance} and {bearing}, or {ship} and {storm}");
  }
  if (!givens.ship) return missing(Field::kShip, "the storm's position needs the ship's");
  if (!givens.storm.centre) {
    return missing(Field::kStorm,
                   "the ship's position needs the storm's ({storm} or two {storm_fix})");
  }
  return std::nullopt;
}

// Distance and bearing: given, or the geodesic from the ship to the (moved) storm.
void place_storm(const Givens& givens, Situation& situation) {
  if (givens.distance) {
    situation.answers.dist0 = *givens.distance;
    situation.answers.bear0 = *givens.bearing;
    return;
  }
  const navigation::Leg leg = navigation::inverse(*givens.ship, *situation.derived->storm);
  situation.answers.dist0 = leg.distance_nm;
  situation.answers.bear0 = leg.azimuth_from;
}

// Moves the storm to `at`, with a warning when that stretches its motion far.
std::optional<Error> move_storm(const Givens& givens, Situation& situation) {
  Derived& derived = *situation.derived;
  if (!givens.storm.time) {
    return missing(Field::kAt, "moving the storm needs its time: give two {storm_fix}");
  }
  const MovedCentre moved =
      move_centre(*givens.storm.centre, *givens.storm.motion, *givens.storm.time, *givens.at);
  derived.moved_from = givens.storm.centre;
  derived.moved_from_time = givens.storm.time;
  derived.hours_moved = moved.hours;
  derived.storm = moved.centre;
  derived.storm_time = givens.at;
  situation.answers.track0 = moved.track;
  if (moved.hours > kHoursMovedWithoutWarning || moved.hours < 0.0) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "{at} %s is %.1f hours %s the storm's time %s; its track and speed are assumed "
                  "to hold",
                  format_utc_time(*givens.at).c_str(), std::fabs(moved.hours),
                  moved.hours < 0.0 ? "before" : "after",
                  format_utc_time(*givens.storm.time).c_str());
    situation.warnings.emplace_back(text);
  }
  return std::nullopt;
}

// The ship on the storm's centre has no bearing to steer by.
std::optional<Error> closeness_error(const Givens& givens, const Situation& situation) {
  if (situation.answers.dist0 >= kLeastDistanceNm) return std::nullopt;
  const Field field = givens.distance ? Field::kDistance : Field::kShip;
  return Error{ErrorKind::kUnusable, field, givens.distance ? number_text(*givens.distance) : "",
               "the ship is at the storm's centre (within 1 nm): there is no bearing to steer "
               "away from"};
}

std::string one_decimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

// Values that may be right but are more often a slip: said, not refused.
void add_plausibility_warnings(const Givens& givens, Situation& situation) {
  if (situation.answers.dist0 > kFarDistanceNm) {
    situation.warnings.push_back("the storm is " + one_decimal(situation.answers.dist0) +
                                 " nm from the ship, beyond 1500 nm: check the positions (an E "
                                 "for a W?)");
  }
  if (!givens.fixes) return;
  const double apart = hours_between((*givens.fixes)[0].time, (*givens.fixes)[1].time);
  if (givens.storm.motion->speed > kFastFixesKn) {
    situation.warnings.push_back("the fixes give a storm speed of " +
                                 one_decimal(givens.storm.motion->speed) +
                                 " kn, beyond 35 kn: check their times and positions");
  }
  if (apart > kFixesApartHours) {
    situation.warnings.push_back("the fixes are " + one_decimal(apart) +
                                 " h apart, more than 24 h: the storm's motion is an average "
                                 "over that time");
  }
}

const char* hemisphere_word(analysis::Hemisphere hemisphere) {
  return hemisphere == analysis::Hemisphere::kSouth ? "southern" : "northern";
}

analysis::Hemisphere hemisphere_of(double lat) {
  return lat < 0.0 ? analysis::Hemisphere::kSouth : analysis::Hemisphere::kNorth;
}

// The storm turns as its hemisphere makes it turn, wherever the ship is.
void choose_hemisphere(const Givens& givens, Situation& situation) {
  const std::optional<LatLon> storm =
      situation.derived && situation.derived->storm ? situation.derived->storm : std::nullopt;
  if (givens.hemisphere) {
    situation.hemisphere = *givens.hemisphere;
    // The dangerous quarter is judged for the hemisphere given: say when the centre's lies in
    // the other, or the navigator trusts a side mirrored from the storm's.
    if (storm && std::fabs(storm->lat) >= kEquatorBandDeg &&
        hemisphere_of(storm->lat) != situation.hemisphere) {
      situation.warnings.push_back(
          std::string("the ") + hemisphere_word(situation.hemisphere) +
          " hemisphere was given, but the storm's centre is at " +
          one_decimal(std::fabs(storm->lat)) + (storm->lat < 0.0 ? "S" : "N") + ", in the " +
          hemisphere_word(hemisphere_of(storm->lat)) +
          ": the dangerous quarter and the storm's turning are judged for the " +
          hemisphere_word(situation.hemisphere) +
          " (leave the hemisphere out to take the storm's)");
    }
    return;
  }
  if (!storm) {
    if (givens.ship) situation.hemisphere = hemisphere_of(givens.ship->lat);
    return;
  }
  if (std::fabs(storm->lat) >= kEquatorBandDeg) {
    situation.hemisphere = hemisphere_of(storm->lat);
    return;
  }
  std::string reason;
  if (givens.storm_heading_lat && std::fabs(*givens.storm_heading_lat) >= kEquatorBandDeg) {
    situation.hemisphere = hemisphere_of(*givens.storm_heading_lat);
    reason = "its forecast latitude";
  } else {
    situation.hemisphere =
        givens.ship ? hemisphere_of(givens.ship->lat) : analysis::Hemisphere::kNorth;
    reason = "the ship's latitude";
  }
  situation.warnings.push_back(std::string("the storm's centre is on the equator: the ") +
                               hemisphere_word(situation.hemisphere) +
                               " hemisphere is taken from " + reason +
                               " (give the hemisphere to choose)");
}

}  // namespace

Result<Givens> read_request(const Request& request, std::optional<UtcTime> reference) {
  const TimeContext times{request.now.value_or(std::chrono::time_point_cast<std::chrono::seconds>(
                              std::chrono::system_clock::now())),
                          reference};
  Givens givens;
  givens.distance = request.distance;
  givens.bearing = request.bearing;
  givens.keep = request.keep;
  givens.ship_speed = request.ship_speed;
  givens.hemisphere = request.hemisphere;
  if (request.ship) {
    const Result<LatLon> ship = parse_position(Field::kShip, *request.ship);
    if (!ship.ok()) return ship.error();
    givens.ship = ship.value();
  }
  if (request.storm) {
    const Result<LatLon> storm = parse_position(Field::kStorm, *request.storm);
    if (!storm.ok()) return storm.error();
    givens.storm.centre = storm.value();
  }
  if (const std::optional<Error> error = read_fixes(request, times, givens)) return *error;
  if (!givens.fixes && (request.track || request.speed)) {
    if (!request.track) return missing(Field::kTrack, "{speed} needs {track}");
    if (!request.speed) return missing(Field::kSpeed, "{track} needs {speed}");
    givens.storm.motion = Motion{*request.track, *request.speed};
  }
  if (request.at) {
    const Result<UtcTime> at = parse_time(Field::kAt, *request.at, times);
    if (!at.ok()) return at.error();
    givens.at = at.value();
  }
  return givens;
}

Result<Situation> situation_from(const Givens& givens) {
  if (const std::optional<Error> error = placement_error(givens)) return *error;
  if (!givens.storm.motion) {
    return missing(Field::kTrack, "give {track} and {speed}, or {storm_fix} twice");
  }
  if (!givens.keep) return missing(Field::kKeep, "the distance to keep is needed");
  if (!givens.ship_speed) return missing(Field::kShipSpeed, "the ship's speed is needed");
  const Motion& motion = *givens.storm.motion;
  const std::pair<Field, std::optional<double>> quantities[] = {
      {Field::kDistance, givens.distance}, {Field::kBearing, givens.bearing},
      {Field::kTrack, motion.track},       {Field::kSpeed, motion.speed},
      {Field::kKeep, givens.keep},         {Field::kShipSpeed, givens.ship_speed}};
  for (const auto& [field, value] : quantities) {
    if (!value) continue;
    if (const std::optional<Error> error = check_quantity(field, *value)) return *error;
  }

  Situation situation;
  situation.answers.track0 = motion.track;
  situation.answers.speed0 = motion.speed;
  situation.answers.cpa0 = *givens.keep;
  situation.answers.vship0 = *givens.ship_speed;
  if (givens.ship || givens.fixes) {
    Derived derived;
    derived.ship = givens.ship;
    derived.storm = givens.storm.centre;
    derived.storm_time = givens.storm.time;
    derived.storm_from_fix = givens.storm_from_fix;
    derived.fixes = givens.fixes;
    situation.derived = derived;
  }
  if (givens.at) {
    if (const std::optional<Error> error = move_storm(givens, situation)) return *error;
  }
  place_storm(givens, situation);

  if (const std::optional<Error> error = closeness_error(givens, situation)) return *error;
  add_plausibility_warnings(givens, situation);
  choose_hemisphere(givens, situation);
  return situation;
}

Result<Situation> form_situation(const Request& request) {
  const Result<Givens> givens = read_request(request);
  if (!givens.ok()) return givens.error();
  return situation_from(givens.value());
}

}  // namespace hurricane::situation
