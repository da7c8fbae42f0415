// One ship from one advisory under one policy, re-planning at every later advisory, judged
// against the true 34-kt area of the best track.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "forecast/storm_samples.h"
#include "hindcast/policy.h"

namespace hurricane::hindcast {

// Spacing of the truth samples along a ship's path, hours.
inline constexpr double kTruthStepHours = 0.1;
// With land, a ship whose track between two samples comes nearer the shoreline than this is
// aground, nm: it moves no more, and the encounter is a failure whatever the winds did.
inline constexpr double kGroundingNm = 1.0;

// A ship's start: where and when it receives the first advisory.
struct ShipStart {
  std::size_t advisory = 0;  // index into the series
  navigation::LatLon position;
  double speed_kn = 0.0;           // full speed, knots, > 0
  double voyage_course_deg = 0.0;  // degrees true, [0, 360)
  double hours = 0.0;              // how long it is followed, hours, > 0
};

// The true state of the storm at every kTruthStepHours from the start, once per start.
struct Truth {
  std::vector<forecast::StormSample> samples;
};

// Samples of `best_track` from `start` for `hours` (within the best track's span).
Truth truth_from(const forecast::StormTrack& best_track, forecast::Time start, double hours);

// Signed distance of `at` from the true 34-kt area at sample `sample`, nm (negative inside).
double truth_clearance_nm(const Truth& truth, std::size_t sample, navigation::LatLon at);

struct Outcome {
  double least_nm = 0.0;                // least signed distance from the true 34-kt area, nm
  double least_at_h = 0.0;              // when, hours from the start
  std::optional<double> entered_at_h;   // first hour inside it
  std::optional<double> grounded_at_h;  // with land: when the ship went aground
  double progress = 0.0;    // run along the voyage course as a share of full speed x hours
  std::vector<Plan> plans;  // the plan made at each advisory, the first at the start
};

// Follows `policy` from `start`: a plan at the start's advisory and at each later one before
// the end (the voyage course until the policy first judges), its courses and speeds (rhumb
// lines) between them; with `settings.shoreline`, until the ship goes aground.
Outcome follow(Policy policy, const std::vector<IssuedAdvisory>& series, const ShipStart& start,
               const Truth& truth, const PlanRequest& settings);

// The best constant course at full speed, or staying put, with the true track in hindsight;
// with a shoreline, only courses that meet no land within the hours followed.
struct Hindsight {
  double best_nm = 0.0;           // its least signed distance from the true 34-kt area, nm
  std::optional<int> course_deg;  // nothing when staying put is best
};

Hindsight hindsight(const forecast::StormTrack& best_track, forecast::Time start_time,
                    const ShipStart& start, const land::Land* shoreline);

}  // namespace hurricane::hindcast
