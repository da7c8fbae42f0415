#include "hindcast/policy.h"

#include <GeographicLib/Geodesic.hpp>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "analysis/advice.h"
#include "answer/answer.h"
#include "answer/storm_state.h"
#include "forecast/advice.h"
#include "navigation/units.h"
#include "navigation/utc_time.h"
#include "plan/plan.h"

namespace hurricane::hindcast {
namespace {

double normalized(double degrees) {
  const double reduced = std::fmod(degrees, 360.0);
  return reduced < 0.0 ? reduced + 360.0 : reduced;
}

struct FromCentre {
  double distance_nm = 0.0;
  double azimuth_deg = 0.0;        // of the ship seen from the centre, at the centre
  double away_deg = 0.0;           // straight away from the centre, at the ship
  double bearing_storm_deg = 0.0;  // of the centre seen from the ship
};

FromCentre from_centre(const navigation::LatLon& centre, navigation::LatLon ship) {
  const GeographicLib::Geodesic& earth = GeographicLib::Geodesic::WGS84();
  double metres = 0.0, azi1 = 0.0, azi2 = 0.0;
  earth.Inverse(centre.lat, centre.lon, ship.lat, ship.lon, metres, azi1, azi2);
  double back1 = 0.0, back2 = 0.0, unused = 0.0;
  earth.Inverse(ship.lat, ship.lon, centre.lat, centre.lon, unused, back1, back2);
  return {metres / kMetresPerNm, normalized(azi1), normalized(azi2), normalized(back1)};
}

// A position as the command line takes it, to the last bit a double holds.
std::string position_text(navigation::LatLon at) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g,%.17g", at.lat, at.lon);
  return text;
}

// The answer `advise` gives this ship on this advisory at its fix time, with advice [F] when
// `forecast`, toward the voyage when `toward_voyage`.
Result<answer::Answer> advised(const IssuedAdvisory& issued, const PlanRequest& request,
                               bool forecast, bool toward_voyage) {
  situation::Request given;
  given.ship = position_text(request.ship);
  given.ship_speed = request.speed_kn;
  given.at = navigation::format_utc_time(issued.time);
  given.now = issued.time;
  answer::Request asked(
      std::move(given),
      answer::AdvisoryInput{
          .text = issued.text, .storm_id = issued.storm.id, .margin = std::nullopt},
      request.shoreline);
  asked.forecast.enabled = forecast;
  asked.forecast.plan = false;  // the plan policy plans for itself
  asked.forecast.error = {forecast::ErrorModel::Kind::kCone, request.cone_scale};
  asked.forecast.margin_nm = request.margin_nm;
  asked.forecast.horizon_h = request.horizon_h;
  if (toward_voyage) asked.forecast.voyage_course_deg = request.voyage_course_deg;
  return answer::answer(asked);
}

// Advice [F]'s recommended course and speed, toward the voyage or for the most clearance.
std::optional<Plan> forecast_plan(const IssuedAdvisory& issued, const PlanRequest& request,
                                  bool toward_voyage) {
  if (!issued.track) return std::nullopt;
  const auto a = advised(issued, request, true, toward_voyage);
  if (!a.ok() || !a.value().forecast || !a.value().forecast->advice) return std::nullopt;
  const auto& recommended = a.value().forecast->advice->recommended;
  if (!recommended) return std::nullopt;
  return Plan{static_cast<double>(recommended->course_deg), recommended->speed_kn, {}};
}

// The escape plan toward the voyage course on `storm` with `error`: its track (the voyage held,
// the legs, the voyage resumed and perhaps stopped short of the shore) as turns after the
// advisory. The plan is made as `advise` makes it: the danger area of the 34-kt winds and 10 nm
// of sea room.
std::optional<Plan> escape_plan(const IssuedAdvisory& issued, const PlanRequest& request,
                                const forecast::StormTrack& storm,
                                const forecast::ErrorModel& error) {
  plan::PlanRequest asked;
  asked.at = issued.time;
  asked.ship = request.ship;
  asked.speed_kn = request.speed_kn;
  asked.horizon_h = request.horizon_h;
  asked.storms = {storm};
  asked.error = error;
  asked.land = request.shoreline;
  asked.voyage.kind = plan::Voyage::Kind::kCourse;
  asked.voyage.course_deg = request.voyage_course_deg;
  const plan::Plan made = plan::make_plan(asked);
  if (!made.judged) return std::nullopt;
  const auto after = [&](forecast::Time time) {
    return forecast::hours_between(issued.time, time);
  };
  Plan steered{request.voyage_course_deg, request.speed_kn, {}};
  std::vector<Turn> turns;
  // Every change the track makes, stopping short of the shore included; its end is no turn.
  for (std::size_t i = 0; i + 1 < made.track.size(); ++i) {
    const plan::TrackTurn& turn = made.track[i];
    turns.push_back({after(turn.at), static_cast<double>(turn.course_deg), turn.speed_kn});
  }
  // A turn at the advisory itself is the first course, not a turn.
  while (!turns.empty() && turns.front().after_h <= 0.0) {
    steered.course_deg = turns.front().course_deg;
    steered.speed_kn = turns.front().speed_kn;
    turns.erase(turns.begin());
  }
  steered.turns = std::move(turns);
  return steered;
}

// The course the classic verdict names: the course away when the storm moves away, advice
// [A]'s recommended escape (the first off land) when the ship is distant, else advice [B]'s
// course; the voyage when every course keeps the distance, and the course straight away from
// the centre when [B] names none.
std::optional<Plan> classic_plan(const IssuedAdvisory& issued, const PlanRequest& request) {
  const auto a = advised(issued, request, false, false);
  if (!a.ok() || !a.value().advice) return std::nullopt;
  const analysis::Advice& advice = *a.value().advice;
  const auto escape = analysis::recommended_escape(advice.courses);
  double course = from_centre(issued.storm.fix.centre, request.ship).away_deg;
  if (advice.courses.moving_away) {
    course = advice.courses.course_away;
  } else if (advice.verdict.area == analysis::Area::kDistant && escape) {
    course = advice.courses.escapes[*escape].course;
  } else if (advice.verdict.area == analysis::Area::kDistant && advice.courses.all_courses) {
    course = request.voyage_course_deg;
  } else if (advice.max_cpa.kind == analysis::CpaCase::kCpaAhead && advice.max_cpa.course) {
    course = *advice.max_cpa.course;
  }
  return Plan{normalized(course), request.speed_kn, {}};
}

}  // namespace

const char* policy_name(Policy policy) {
  switch (policy) {
    case Policy::kPlan:
      return "plan";
    case Policy::kForecast:
      return "forecast";
    case Policy::kForecastMaximin:
      return "forecast-maximin";
    case Policy::kClassic:
      return "classic";
    case Policy::kVoyage:
      return "voyage";
    case Policy::kStay:
      return "stay";
    case Policy::kAway:
      return "away";
    case Policy::kPerpendicular:
      return "perpendicular";
    case Policy::kHindsightPlan:
      return "hindsight-plan";
  }
  return "";
}

forecast::ErrorModel forecast_error(const forecast::StormTrack& track, double cone_scale,
                                    double margin_nm) {
  forecast::ErrorModel model;
  model.kind = forecast::ErrorModel::Kind::kCone;
  model.scale = cone_scale;
  model.table = forecast::cone_table(track.basin, track.season);
  model.margin_nm = margin_nm;
  return model;
}

std::optional<Plan> plan(Policy policy, const IssuedAdvisory& issued, const PlanRequest& request) {
  switch (policy) {
    case Policy::kPlan:
      if (!issued.track) return std::nullopt;
      return escape_plan(issued, request, *issued.track,
                         forecast_error(*issued.track, request.cone_scale, request.margin_nm));
    case Policy::kHindsightPlan: {
      // The same search told the storm's real future: how much of the voyage a plan of this
      // shape can keep at all, against which the plan's loss to the forecast's error is read.
      if (!request.best_track) return std::nullopt;
      forecast::ErrorModel exact;
      exact.kind = forecast::ErrorModel::Kind::kNone;
      return escape_plan(issued, request, *request.best_track, exact);
    }
    case Policy::kForecast:
      return forecast_plan(issued, request, true);
    case Policy::kForecastMaximin:
      return forecast_plan(issued, request, false);
    case Policy::kClassic:
      return classic_plan(issued, request);
    case Policy::kVoyage:
      return Plan{request.voyage_course_deg, request.speed_kn, {}};
    case Policy::kStay:
      return Plan{0.0, 0.0, {}};
    case Policy::kAway:
      return Plan{
          from_centre(issued.storm.fix.centre, request.ship).away_deg, request.speed_kn, {}};
    case Policy::kPerpendicular: {
      const auto motion = answer::storm_motion(issued.storm);
      const FromCentre seen = from_centre(issued.storm.fix.centre, request.ship);
      if (!motion.ok() || motion.value().motion.speed <= 0.0) {
        return Plan{seen.away_deg, request.speed_kn, {}};
      }
      const double track = motion.value().motion.track;
      const double side = std::sin((seen.azimuth_deg - track) * kRadiansPerDegree);
      return Plan{normalized(track + (side >= 0.0 ? 90.0 : -90.0)), request.speed_kn, {}};
    }
  }
  return std::nullopt;
}

}  // namespace hurricane::hindcast
