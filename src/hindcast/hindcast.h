// A hindcast: ships on rings around every advisory's centre, each following every policy, scored
// against the storm's best track. Pure: the same inputs give the same result for any number of
// threads.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "hindcast/encounter.h"

namespace hurricane::hindcast {

struct HindcastOptions {
  std::vector<double> rings_nm{200, 300, 450};  // ship distances from each advisory's centre
  int bearings = 12;                            // ships per ring, evenly spaced from north
  double ship_speed_kn = 12.0;
  double hours = 72.0;   // how long each ship is followed (cut where the best track ends)
  PlanRequest forecast;  // the forecast advice's horizon, cone scale and margin
  unsigned threads = 1;  // >= 1
  // The policies followed, in this order; fewer make a long hindcast shorter.
  std::vector<Policy> policies{kDefaultPolicies.begin(), kDefaultPolicies.end()};
  // Called after each start is done, from any thread, one call at a time.
  std::function<void(std::size_t done, std::size_t total)> progress;
};

// The voyage course of ship `index` (ring-major): 45 degrees times its index modulo 8, so every
// ring holds ships on all eight principal courses.
double voyage_course_deg(std::size_t index);

struct Encounter {
  ShipStart start;
  double ring_nm = 0.0;
  double bearing_deg = 0.0;  // of the ship from the advisory's centre
  Hindsight hindsight;
  std::vector<Outcome> outcomes;  // as the options' policies
};

// Encounters of at least this hindsight distance from the true 34-kt area are escapable, nm.
inline constexpr double kEscapableNm = 20.0;

struct PolicyScore {
  Policy policy = Policy::kForecast;
  std::size_t encounters = 0;
  std::size_t escapable = 0;
  std::size_t escaped = 0;               // never entered the true 34-kt area, nor went aground
  std::size_t escaped_of_escapable = 0;  // of those escapable
  double deepest_entry_nm = 0.0;         // over all encounters, 0 when none entered
  double deepest_escapable_entry_nm = 0.0;
  std::optional<std::size_t> groundings;  // with land: ships that went aground
  double progress = 0.0;                  // mean share of full speed along the voyage course
  std::vector<std::size_t> worst;  // escapable encounters aground or entered deepest, up to 5
};

struct HindcastResult {
  std::vector<Encounter> encounters;  // in order of advisory, ring, bearing
  std::vector<PolicyScore> scores;    // as the options' policies
  std::size_t starts = 0;             // advisories ships started from
};

HindcastResult run_hindcast(const std::vector<IssuedAdvisory>& series,
                            const forecast::StormTrack& best_track, const HindcastOptions& options);

// The scores of `encounters`, whose outcomes are of `policies`; groundings counted when
// `land_held`.
std::vector<PolicyScore> score(const std::vector<Encounter>& encounters,
                               const std::vector<Policy>& policies, bool land_held);

}  // namespace hurricane::hindcast
