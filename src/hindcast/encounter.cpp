#include "hindcast/encounter.h"

#include <GeographicLib/Rhumb.hpp>
#include <array>
#include <cmath>

#include "forecast/quarter_discs.h"
#include "forecast/ship_track.h"
#include "forecast/sweep.h"
#include "land/sea_room.h"
#include "land/sweep.h"
#include "navigation/units.h"

namespace hurricane::hindcast {
namespace {

std::size_t sample_count(double hours) {
  return static_cast<std::size_t>(std::floor(hours / kTruthStepHours + 1e-9)) + 1;
}

struct Leg {
  double from_h = 0.0;
  navigation::LatLon start;
  Plan plan;
};

navigation::LatLon run(navigation::LatLon from, double course_deg, double speed_kn, double hours) {
  if (speed_kn <= 0.0 || hours <= 0.0) return from;
  return forecast::rhumb_position(from, course_deg, speed_kn * hours);
}

// Where the ship is `hours` after the voyage's start on `leg`: its plan's course and speed,
// then each of its turns in turn.
navigation::LatLon leg_position(const Leg& leg, double hours) {
  const double elapsed = hours - leg.from_h;
  navigation::LatLon at = leg.start;
  double since = 0.0, course = leg.plan.course_deg, speed = leg.plan.speed_kn;
  for (const Turn& turn : leg.plan.turns) {
    if (turn.after_h >= elapsed) break;
    at = run(at, course, speed, turn.after_h - since);
    since = turn.after_h;
    course = turn.course_deg;
    speed = turn.speed_kn;
  }
  return run(at, course, speed, elapsed - since);
}

}  // namespace

Truth truth_from(const forecast::StormTrack& best_track, forecast::Time start, double hours) {
  forecast::ErrorModel none;
  none.kind = forecast::ErrorModel::Kind::kNone;
  return {forecast::storm_samples(best_track, none, start, kTruthStepHours, sample_count(hours))};
}

double truth_clearance_nm(const Truth& truth, std::size_t sample, navigation::LatLon at) {
  const forecast::StormSample& s = truth.samples[sample];
  return forecast::signed_distance_nm(forecast::approximate_plane_point(s, forecast::to_ecef(at)),
                                      s.radii[0]);
}

Outcome follow(Policy policy, const std::vector<IssuedAdvisory>& series, const ShipStart& start,
               const Truth& truth, const PlanRequest& settings) {
  const forecast::Time t0 = series[start.advisory].time;
  PlanRequest request = settings;
  request.speed_kn = start.speed_kn;
  request.voyage_course_deg = start.voyage_course_deg;

  std::vector<Leg> legs;
  Plan current{start.voyage_course_deg, start.speed_kn, {}};
  navigation::LatLon here = start.position;
  for (std::size_t k = start.advisory; k < series.size(); ++k) {
    const double at_h = forecast::hours_between(t0, series[k].time);
    if (at_h >= start.hours) break;
    if (!legs.empty()) here = leg_position(legs.back(), at_h);
    request.ship = here;
    if (const auto made = plan(policy, series[k], request)) current = *made;
    legs.push_back({at_h, here, current});
  }

  Outcome outcome;
  outcome.least_nm = std::numeric_limits<double>::infinity();
  std::size_t leg = 0;
  navigation::LatLon at = start.position;
  for (std::size_t i = 0; i < truth.samples.size(); ++i) {
    const double h = kTruthStepHours * static_cast<double>(i);
    while (leg + 1 < legs.size() && legs[leg + 1].from_h <= h) ++leg;
    if (!outcome.grounded_at_h) {
      const navigation::LatLon next = leg_position(legs[leg], h);
      if (settings.shoreline && land::shore_within(*settings.shoreline, at.lat, at.lon, next.lat,
                                                   next.lon, kGroundingNm)) {
        outcome.grounded_at_h = h;  // where it stops: the last sample still afloat
      } else {
        at = next;
      }
    }
    const double value = truth_clearance_nm(truth, i, at);
    if (value < outcome.least_nm) {
      outcome.least_nm = value;
      outcome.least_at_h = h;
    }
    if (value < 0.0 && !outcome.entered_at_h) outcome.entered_at_h = h;
  }
  const navigation::LatLon end =
      outcome.grounded_at_h ? at : leg_position(legs.back(), start.hours);
  double run_m = 0.0, course = 0.0;
  GeographicLib::Rhumb::WGS84().Inverse(start.position.lat, start.position.lon, end.lat, end.lon,
                                        run_m, course);
  const double along =
      run_m / kMetresPerNm * std::cos((course - start.voyage_course_deg) * kRadiansPerDegree);
  outcome.progress = along / (start.speed_kn * start.hours);
  for (const Leg& made : legs) outcome.plans.push_back(made.plan);
  return outcome;
}

Hindsight hindsight(const forecast::StormTrack& best_track, forecast::Time start_time,
                    const ShipStart& start, const land::Land* shoreline) {
  forecast::SweepRequest request;
  request.at = start_time;
  request.ship = start.position;
  request.speed_kn = start.speed_kn;
  request.horizon_h = start.hours;
  request.error.kind = forecast::ErrorModel::Kind::kNone;
  const forecast::Sweep swept = forecast::sweep({best_track}, request);
  // An escape through an island is none: with land, the courses that meet it are passed over.
  std::optional<land::LandSweep> ashore;
  if (shoreline) {
    const std::array<double, 1> speed = {start.speed_kn};
    ashore =
        land::sweep_land(*shoreline, start.position.lat, start.position.lon, speed, start.hours);
  }
  Hindsight best{swept.stay.clearance_nm, std::nullopt};
  for (int course = 0; course < static_cast<int>(forecast::kCourses); ++course) {
    if (ashore && ashore->hour(course, 0)) continue;
    const double value = swept.passages[0][static_cast<std::size_t>(course)].clearance_nm;
    if (value > best.best_nm) best = {value, course};
  }
  return best;
}

}  // namespace hurricane::hindcast
