#include "answer/situation_from_advisory.h"

#include <cmath>
#include <utility>

#include "advisory/read_advisory.h"
#include "answer/advice_time.h"

namespace hurricane::answer {
namespace {

Error failure(ErrorKind kind, Field field, std::string problem) {
  return Error{kind, field, "", std::move(problem)};
}

// The storm's own inputs: an advisory already gives them.
std::optional<Error> conflict_with_advisory(const situation::Request& request) {
  const std::pair<Field, bool> storm_inputs[] = {{Field::kStorm, request.storm.has_value()},
                                                 {Field::kDistance, request.distance.has_value()},
                                                 {Field::kBearing, request.bearing.has_value()},
                                                 {Field::kTrack, request.track.has_value()},
                                                 {Field::kSpeed, request.speed.has_value()},
                                                 {Field::kStormFix, !request.storm_fixes.empty()}};
  for (const auto& [field, given] : storm_inputs) {
    if (given) {
      return failure(ErrorKind::kConflict, field,
                     "the storm comes from {advisory}; give one or the other");
    }
  }
  return std::nullopt;
}

std::optional<Error> margin_error(const AdvisoryInput& advisory,
                                  const situation::Request& request) {
  if (!advisory.margin) return std::nullopt;
  if (request.keep) {
    return failure(ErrorKind::kConflict, Field::kMargin,
                   "it widens the distance formed from the advisory; with {keep} give the whole "
                   "distance");
  }
  if (!std::isfinite(*advisory.margin) || *advisory.margin < 0.0) {
    return Error{ErrorKind::kUnusable, Field::kMargin, nm_text(*advisory.margin),
                 std::isfinite(*advisory.margin) ? "must not be negative" : "not a finite number"};
  }
  return std::nullopt;
}

}  // namespace

Result<AdvisedStorm> read_advised_storm(std::string_view text, const std::string& storm_id,
                                        std::optional<double> margin_nm) {
  const Result<advisory::Storm> read = advisory::read_advisory(text, {storm_id});
  if (!read.ok()) return read.error();
  AdvisedStorm advised;
  advised.storm = read.value();
  const Result<StormMotion> motion = storm_motion(advised.storm);
  if (!motion.ok()) return motion.error();
  advised.motion = motion.value();
  advised.keep = keep_from_radii(advised.storm, margin_nm);
  return advised;
}

Result<AdvisedSituation> situation_from_advisory(const AdvisoryInput& advisory,
                                                 const situation::Request& request) {
  if (std::optional<Error> conflict = conflict_with_advisory(request)) return *conflict;
  if (std::optional<Error> margin = margin_error(advisory, request)) return *margin;
  if (!request.ship) {
    return failure(ErrorKind::kMissing, Field::kShip,
                   "the advisory places the storm; give the ship's position");
  }
  Result<AdvisedStorm> storm =
      read_advised_storm(advisory.text, advisory.storm_id, advisory.margin);
  if (!storm.ok()) return storm.error();
  AdvisedSituation result;
  result.advised = std::move(storm.value());
  const AdvisedStorm& advised = result.advised;
  const situation::StormState advised_state = storm_state(advised.storm, advised.motion.motion);

  // A date-time group for --at is taken near the advisory's own time.
  const Result<situation::Givens> read = situation::read_request(request, advised_state.time);
  if (!read.ok()) return read.error();

  situation::Givens givens = read.value();
  if (request.keep) {
    result.keep_source = keep_given(*request.keep).source;
  } else if (advised.keep) {
    givens.keep = advised.keep->nm;
    result.keep_source = advised.keep->source;
  } else {
    // Formed with the least keep the situation takes; the keep is cleared after.
    givens.keep = situation::kLeastDistanceNm;
    result.keep_source = "none: the advisory gives no 34-kt wind radius";
    result.classic_needs = Error{ErrorKind::kMissing, Field::kKeep, "",
                                 "the advisory gives no 34-kt wind radius (a depression, or "
                                 "weaker): give the distance to keep"};
  }
  givens.storm = advised_state;
  for (const advisory::ForecastPoint& point : advised.storm.forecast) {
    if (point.centre) {
      givens.storm_heading_lat = point.centre->lat;
      break;
    }
  }
  givens.fixes = advised.motion.fixes;
  givens.storm_from_fix = advised.motion.fixes.has_value();

  const situation::UtcTime analysis = *advised_state.time;
  const situation::UtcTime advice = givens.at.value_or(analysis);
  if (auto refused = advice_time_error(analysis, advice, request.at.value_or(""))) {
    return *refused;
  }
  result.centre = centre_at_advice(advised.storm, advice);
  if (result.centre.state) {
    // On the forecast track: the centre is placed there, not moved by the situation.
    givens.storm = *result.centre.state;
    givens.at.reset();
    givens.fixes.reset();
    givens.storm_from_fix = false;
  }

  const Result<situation::Situation> formed = situation::situation_from(givens);
  if (!formed.ok()) return formed.error();
  result.situation = formed.value();
  if (result.centre.state) {
    situation::Derived& derived = *result.situation.derived;
    derived.moved_from = advised_state.centre;
    derived.moved_from_time = analysis;
    derived.hours_moved = situation::hours_between(analysis, advice);
  }
  if (result.centre.forecast_ends) {
    result.situation.warnings.push_back(
        "the forecast ends at " + situation::format_utc_time(*result.centre.forecast_ends) +
        "; beyond it the centre is moved in a straight line along the present motion");
  }
  result.stale = stale_warning(analysis, advice);
  if (result.stale)
    result.situation.warnings.insert(result.situation.warnings.begin(), *result.stale);
  if (result.classic_needs) result.situation.answers.cpa0 = 0.0;
  if (request.keep && advised.keep && *request.keep < advised.keep->nm) {
    result.situation.warnings.push_back(
        "the distance to keep given, " + nm_text(*request.keep) +
        " nm, is less than the advisory's 34-kt radius plus its position accuracy, " +
        nm_text(advised.keep->nm) + " nm");
  }
  result.fix_age_hours = situation::hours_between(analysis, advice);
  return result;
}

}  // namespace hurricane::answer
