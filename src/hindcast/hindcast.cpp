#include "hindcast/hindcast.h"

#include <GeographicLib/Geodesic.hpp>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include "land/sea_room.h"
#include "navigation/units.h"

namespace hurricane::hindcast {
namespace {

// The least time a start must leave before the best track ends, hours.
constexpr double kLeastHours = 12.0;

struct Start {
  std::size_t advisory = 0;
  double hours = 0.0;
};

std::vector<Start> starts_of(const std::vector<IssuedAdvisory>& series,
                             const forecast::StormTrack& best_track, double hours) {
  std::vector<Start> starts;
  for (std::size_t k = 0; k < series.size(); ++k) {
    const double after_first =
        forecast::hours_between(best_track.points.front().time, series[k].time);
    const double left = forecast::hours_between(series[k].time, forecast::track_end(best_track));
    if (after_first < 0.0 || left < kLeastHours) continue;
    starts.push_back({k, std::min(hours, left)});
  }
  return starts;
}

// Every ship of one start, all policies.
std::vector<Encounter> encounters_of(const Start& start, const std::vector<IssuedAdvisory>& series,
                                     const forecast::StormTrack& best_track,
                                     const HindcastOptions& options) {
  const IssuedAdvisory& issued = series[start.advisory];
  const Truth truth = truth_from(best_track, issued.time, start.hours);
  PlanRequest settings = options.forecast;
  settings.best_track = &best_track;
  const GeographicLib::Geodesic& earth = GeographicLib::Geodesic::WGS84();
  std::vector<Encounter> out;
  const auto bearings = static_cast<std::size_t>(options.bearings);
  for (std::size_t r = 0; r < options.rings_nm.size(); ++r) {
    for (std::size_t b = 0; b < bearings; ++b) {
      Encounter e;
      e.ring_nm = options.rings_nm[r];
      e.bearing_deg = 360.0 * static_cast<double>(b) / static_cast<double>(bearings);
      double lat = 0.0, lon = 0.0;
      earth.Direct(issued.storm.fix.centre.lat, issued.storm.fix.centre.lon, e.bearing_deg,
                   e.ring_nm * kMetresPerNm, lat, lon);
      e.start = {start.advisory,
                 {lat, lon},
                 options.ship_speed_kn,
                 voyage_course_deg(r * bearings + b),
                 start.hours};
      // A ship already inside the true 34-kt winds has nothing left to escape; a start on land
      // is no ship, nor one within the grounding distance of the shore, aground before any
      // policy has steered.
      if (truth_clearance_nm(truth, 0, e.start.position) < 0.0) continue;
      const land::Land* shoreline = options.forecast.shoreline;
      if (shoreline && (shoreline->on_land(lat, lon) ||
                        land::shore_within(*shoreline, lat, lon, lat, lon, kGroundingNm))) {
        continue;
      }
      e.hindsight = hindsight(best_track, issued.time, e.start, shoreline);
      for (const Policy policy : options.policies) {
        e.outcomes.push_back(follow(policy, series, e.start, truth, settings));
      }
      out.push_back(std::move(e));
    }
  }
  return out;
}

}  // namespace

double voyage_course_deg(std::size_t index) {
  return 45.0 * static_cast<double>(index % 8);
}

HindcastResult run_hindcast(const std::vector<IssuedAdvisory>& series,
                            const forecast::StormTrack& best_track,
                            const HindcastOptions& options) {
  const std::vector<Start> starts = starts_of(series, best_track, options.hours);
  std::vector<std::vector<Encounter>> per_start(starts.size());
  std::atomic<std::size_t> next{0};
  std::size_t done = 0;
  std::mutex progress_lock;
  const auto work = [&] {
    for (std::size_t i = next++; i < starts.size(); i = next++) {
      per_start[i] = encounters_of(starts[i], series, best_track, options);
      const std::scoped_lock lock(progress_lock);
      ++done;
      if (options.progress) options.progress(done, starts.size());
    }
  };
  std::vector<std::jthread> workers;
  for (unsigned t = 1; t < std::max(1u, options.threads); ++t) workers.emplace_back(work);
  work();
  for (std::jthread& worker : workers) worker.join();

  HindcastResult result;
  result.starts = starts.size();
  for (std::vector<Encounter>& some : per_start) {
    for (Encounter& e : some) result.encounters.push_back(std::move(e));
  }
  result.scores = score(result.encounters, options.policies, options.forecast.shoreline != nullptr);
  return result;
}

std::vector<PolicyScore> score(const std::vector<Encounter>& encounters,
                               const std::vector<Policy>& policies, bool land_held) {
  std::vector<PolicyScore> scores;
  for (std::size_t p = 0; p < policies.size(); ++p) {
    PolicyScore s;
    s.policy = policies[p];
    if (land_held) s.groundings = 0;
    double progress = 0.0;
    for (std::size_t i = 0; i < encounters.size(); ++i) {
      const Encounter& e = encounters[i];
      const Outcome& o = e.outcomes[p];
      const bool escapable = e.hindsight.best_nm >= kEscapableNm;
      const bool entered = o.least_nm < 0.0;
      const bool failed = entered || o.grounded_at_h;
      ++s.encounters;
      s.escapable += escapable ? 1 : 0;
      s.escaped += failed ? 0 : 1;
      s.escaped_of_escapable += escapable && !failed ? 1 : 0;
      if (o.grounded_at_h && s.groundings) ++*s.groundings;
      if (entered) s.deepest_entry_nm = std::max(s.deepest_entry_nm, -o.least_nm);
      if (entered && escapable) {
        s.deepest_escapable_entry_nm = std::max(s.deepest_escapable_entry_nm, -o.least_nm);
      }
      if (failed && escapable) s.worst.push_back(i);
      progress += o.progress;
    }
    if (s.encounters > 0) s.progress = progress / static_cast<double>(s.encounters);
    // Aground first, then deepest.
    std::stable_sort(s.worst.begin(), s.worst.end(), [&](std::size_t a, std::size_t b) {
      const Outcome& x = encounters[a].outcomes[p];
      const Outcome& y = encounters[b].outcomes[p];
      if (x.grounded_at_h.has_value() != y.grounded_at_h.has_value()) {
        return x.grounded_at_h.has_value();
      }
      return x.least_nm < y.least_nm;
    });
    if (s.worst.size() > 5) s.worst.resize(5);
    scores.push_back(std::move(s));
  }
  return scores;
}

}  // namespace hurricane::hindcast
