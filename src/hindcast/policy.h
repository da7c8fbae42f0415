// How a ship in a hindcast chooses its course at each advisory: the advice under test and the
// baselines it is measured against.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "forecast/error_model.h"
#include "hindcast/series.h"
#include "land/land.h"

namespace hurricane::hindcast {

enum class Policy {
  kPlan,
  kForecast,
  kForecastMaximin,
  kClassic,
  kVoyage,
  kStay,
  kAway,
  kPerpendicular,
  kHindsightPlan
};
inline constexpr std::array<Policy, 9> kPolicies = {
    Policy::kPlan,    Policy::kForecast,      Policy::kForecastMaximin,
    Policy::kClassic, Policy::kVoyage,        Policy::kStay,
    Policy::kAway,    Policy::kPerpendicular, Policy::kHindsightPlan};
// What a hindcast follows unless told: every policy but the hindsight plan, a yardstick that
// knows the storm's future and costs as much as the plan itself.
inline constexpr std::array<Policy, 8> kDefaultPolicies = {
    Policy::kPlan, Policy::kForecast, Policy::kForecastMaximin, Policy::kClassic, Policy::kVoyage,
    Policy::kStay, Policy::kAway,     Policy::kPerpendicular};

// Where `policy` stands in kPolicies.
constexpr std::size_t policy_index(Policy policy) {
  for (std::size_t i = 0; i < kPolicies.size(); ++i) {
    if (kPolicies[i] == policy) return i;
  }
  return kPolicies.size();
}

// "plan", "forecast", "forecast-maximin", "classic", "voyage", "stay", "away", "perpendicular",
// "hindsight-plan".
const char* policy_name(Policy policy);

// A later course and speed of a plan, from some hours after its advisory on.
struct Turn {
  double after_h = 0.0;     // hours after the advisory, > 0, increasing
  double course_deg = 0.0;  // degrees true, [0, 360)
  double speed_kn = 0.0;    // knots, >= 0
};

// A course and speed from the advisory on, then each turn in its order, until the next
// advisory; most policies hold one course and speed.
struct Plan {
  double course_deg = 0.0;  // degrees true, [0, 360)
  double speed_kn = 0.0;    // knots, >= 0
  std::vector<Turn> turns;
};

// The ship as it receives an advisory.
struct PlanRequest {
  navigation::LatLon ship;
  double speed_kn = 0.0;           // full speed, knots, > 0
  double voyage_course_deg = 0.0;  // degrees true, [0, 360)
  double horizon_h = 72.0;         // the forecast advice's horizon, hours
  double cone_scale = 2.0;         // the forecast advice's cone scale, > 0
  double margin_nm = 100.0;        // the forecast advice's margin, nm, >= 0
  // The shoreline the forecast advice holds its courses against, as `advise` does; null
  // leaves land out.
  const land::Land* shoreline = nullptr;
  // The storm's best track: what the hindsight plan plans on, as if it were a forecast without
  // error or margin; null leaves that policy without a plan.
  const forecast::StormTrack* best_track = nullptr;
};

// The plan `policy` makes from `issued` for `request`; nothing when the policy cannot judge
// this advisory (no forecast, no 34-kt radius for the classic advice), so the ship keeps its
// plan.
std::optional<Plan> plan(Policy policy, const IssuedAdvisory& issued, const PlanRequest& request);

// The forecast advice's error model for `track`'s basin and season.
forecast::ErrorModel forecast_error(const forecast::StormTrack& track, double cone_scale,
                                    double margin_nm);

}  // namespace hurricane::hindcast
