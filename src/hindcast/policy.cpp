#include "hindcast/policy.h"

#include <GeographicLib/Geodesic.hpp>
#include <cmath>

#include "analysis/advice.h"
#include "answer/forecast_for.h"
#include "answer/keep_distance.h"
#include "answer/storm_state.h"
#include "forecast/advice.h"
#include "navigation/units.h"

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

std::optional<Plan> forecast_plan(const IssuedAdvisory& issued, const PlanRequest& request,
                                  bool toward_voyage) {
  if (!issued.track) return std::nullopt;
  forecast::SweepRequest sweep;
  sweep.at = issued.time;
  sweep.ship = request.ship;
  sweep.speed_kn = request.speed_kn;
  sweep.horizon_h = request.horizon_h;
  sweep.error = forecast_error(*issued.track, request.cone_scale, request.margin_nm);
  const std::optional<double> voyage =
      toward_voyage ? std::optional<double>(request.voyage_course_deg) : std::nullopt;
  std::optional<forecast::LandHours> land;
  if (request.shoreline) land = answer::land_hours(*request.shoreline, sweep);
  const forecast::ForecastAdvice advice =
      forecast::advise_forecast({*issued.track}, sweep, voyage, land ? &*land : nullptr);
  if (!advice.recommended) return std::nullopt;
  return Plan{static_cast<double>(advice.recommended->course_deg), advice.recommended->speed_kn};
}

// The course the classic verdict names: the course away when the storm moves away, advice
// [A]'s first escape when the ship is distant, else advice [B]'s course; the voyage when every
// course keeps the distance, and the course away when [B] names none.
std::optional<Plan> classic_plan(const IssuedAdvisory& issued, const PlanRequest& request) {
  const auto keep = answer::keep_from_radii(issued.storm, std::nullopt);
  const auto motion = answer::storm_motion(issued.storm);
  if (!keep || !motion.ok()) return std::nullopt;
  const FromCentre seen = from_centre(issued.storm.fix.centre, request.ship);
  analysis::Answers answers;
  answers.dist0 = seen.distance_nm;
  answers.bear0 = seen.bearing_storm_deg;
  answers.track0 = motion.value().motion.track;
  answers.speed0 = motion.value().motion.speed;
  answers.cpa0 = keep->nm;
  answers.vship0 = request.speed_kn;
  const analysis::Advice advice = analysis::advise(
      analysis::round_values(answers),
      request.ship.lat < 0.0 ? analysis::Hemisphere::kSouth : analysis::Hemisphere::kNorth);
  double course = seen.away_deg;
  if (advice.courses.moving_away) {
    course = advice.courses.course_away;
  } else if (advice.verdict.area == analysis::Area::kDistant && !advice.courses.escapes.empty()) {
    course = advice.courses.escapes.front().course;
  } else if (advice.verdict.area == analysis::Area::kDistant && advice.courses.all_courses) {
    course = request.voyage_course_deg;
  } else if (advice.max_cpa.kind == analysis::CpaCase::kCpaAhead && advice.max_cpa.course) {
    course = *advice.max_cpa.course;
  }
  return Plan{normalized(course), request.speed_kn};
}

}  // namespace

const char* policy_name(Policy policy) {
  switch (policy) {
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
    case Policy::kForecast:
      return forecast_plan(issued, request, true);
    case Policy::kForecastMaximin:
      return forecast_plan(issued, request, false);
    case Policy::kClassic:
      return classic_plan(issued, request);
    case Policy::kVoyage:
      return Plan{request.voyage_course_deg, request.speed_kn};
    case Policy::kStay:
      return Plan{0.0, 0.0};
    case Policy::kAway:
      return Plan{from_centre(issued.storm.fix.centre, request.ship).away_deg, request.speed_kn};
    case Policy::kPerpendicular: {
      const auto motion = answer::storm_motion(issued.storm);
      const FromCentre seen = from_centre(issued.storm.fix.centre, request.ship);
      if (!motion.ok() || motion.value().motion.speed <= 0.0) {
        return Plan{seen.away_deg, request.speed_kn};
      }
      const double track = motion.value().motion.track;
      const double side = std::sin((seen.azimuth_deg - track) * kRadiansPerDegree);
      return Plan{normalized(track + (side >= 0.0 ? 90.0 : -90.0)), request.speed_kn};
    }
  }
  return std::nullopt;
}

}  // namespace hurricane::hindcast
