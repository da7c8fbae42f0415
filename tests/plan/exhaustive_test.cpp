// The search against an exhaustive one on the coarse grid (courses every 10 degrees; full
// speed, half speed, stopped; legs ending every 6 h; at most two legs, then the voyage resumed),
// written here apart from the planner: on open-sea situations around the kept storms over 48 h,
// the plan makes no less progress than the best of the grid, less 1% of the voyage's distance,
// keeps clear whenever the grid holds a clear plan, and passes the independent check.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "checker.h"
#include "forecast/ship_track.h"
#include "situations.h"

namespace hurricane::plan {
namespace {

// The grid's best progress, by depth-first enumeration cut at each prefix's first breach and
// where even running straight for the destination could not beat the best found (exact: no
// plan is dropped that could be better). Breach: clearance under 1 nm at a half-hour sample,
// the margin the planner's search keeps between its samples.
class Exhaustive {
 public:
  Exhaustive(const PlanRequest& r, double horizon) : r_(r) {
    count_ = static_cast<std::size_t>(horizon / 0.5) + 1;
    forecast::SweepRequest sweep;
    sweep.error = r.error;
    sweep.storm_tables = r.storm_tables;
    for (std::size_t s = 0; s < r.storms.size(); ++s) {
      samples_.push_back(
          forecast::storm_samples(r.storms[s], forecast::storm_error(sweep, s), r.at, 0.5, count_));
    }
    dest_ = r.voyage.waypoints[0];
    d0_ = testing::rhumb_nm(r.ship, dest_);
  }

  double best() {
    if (!clear(0, r_.ship)) return best_;
    resume(r_.ship, 0);
    legs(r_.ship, 0, 2);
    return best_;
  }
  double distance() const { return d0_; }

 private:
  bool clear(std::size_t i, LatLon p) const {
    const forecast::Ecef e = forecast::to_ecef(p);
    for (const auto& storm : samples_) {
      const forecast::StormSample& s = storm[i];
      if (!s.judged) continue;
      const double d =
          forecast::signed_distance_nm(forecast::approximate_plane_point(s, e), s.radii[0]) -
          s.allowance_nm;
      if (d < 1.0) return false;
    }
    return true;
  }

  // Runs from `p` at sample `i` on `course` at `speed` for `n` samples; false at a breach.
  bool run(LatLon& p, std::size_t& i, double course, double speed, std::size_t n) const {
    const LatLon from = p;
    for (std::size_t k = 1; k <= n; ++k) {
      p = testing::rhumb_direct(from, course, speed * 0.5 * static_cast<double>(k));
      if (!clear(i + k, p)) return false;
    }
    i += n;
    return true;
  }

  void resume(LatLon p, std::size_t i) {
    double course = 0;
    const double d = testing::rhumb_nm(p, dest_, &course);
    const LatLon from = p;
    for (std::size_t j = i + 1; j < count_; ++j) {
      const double run = r_.speed_kn * 0.5 * static_cast<double>(j - i);
      if (!clear(j, run >= d ? dest_ : testing::rhumb_direct(from, course, run))) return;
    }
    const double run = r_.speed_kn * 0.5 * static_cast<double>(count_ - 1 - i);
    best_ = std::max(best_, d0_ - std::max(0.0, d - run));
  }

  void legs(LatLon start, std::size_t i0, int left) {
    for (const double fraction : {1.0, 0.5, 0.0}) {
      for (int course = 0; course < 360; course += 10) {
        if (fraction == 0.0 && course > 0) break;
        LatLon p = start;
        std::size_t i = i0;
        while (i + 12 < count_) {
          if (!run(p, i, course, r_.speed_kn * fraction, 12)) break;
          const double to_go = testing::rhumb_nm(p, dest_);
          const double reach = r_.speed_kn * 0.5 * static_cast<double>(count_ - 1 - i);
          if (d0_ - std::max(0.0, to_go - reach) <= best_) break;
          resume(p, i);
          if (left > 1) legs(p, i, left - 1);
        }
      }
    }
  }

  const PlanRequest& r_;
  std::size_t count_ = 0;
  std::vector<std::vector<forecast::StormSample>> samples_;
  LatLon dest_;
  double d0_ = 0;
  double best_ = -1e300;
};

// Situations to compare: PLAN_EXHAUSTIVE in the environment for a long run, else 24.
int exhaustive_situations() {
  const char* given = std::getenv("PLAN_EXHAUSTIVE");
  return given ? std::atoi(given) : 24;
}

TEST(Exhaustive, SearchComesWithinOnePerCentOfTheGridsBest) {
  const std::vector<forecast::StormTrack> kept = testing::kept_tracks();
  std::mt19937 random(77);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  int compared = 0, altered = 0;
  const int n = exhaustive_situations();
  for (int i = 0; i < n; ++i) {
    const forecast::StormTrack& track = kept[static_cast<std::size_t>(i) % kept.size()];
    const LatLon centre = track.points.front().centre;
    // Ships ahead of the storm, bound across its path.
    const LatLon ship =
        testing::rhumb_direct(centre, 360.0 * unit(random), 250.0 + 300.0 * unit(random));
    PlanRequest request = testing::request_for(track, ship, 12.0 + 6.0 * unit(random));
    request.horizon_h = 48;
    request.voyage.kind = Voyage::Kind::kDestination;
    double to_centre = 0;
    testing::rhumb_nm(ship, centre, &to_centre);
    request.voyage.waypoints = {testing::rhumb_direct(ship, to_centre + 60.0 * (unit(random) - 0.5),
                                                      400.0 + 400.0 * unit(random))};
    const Plan plan = make_plan(request);
    Exhaustive exhaustive(request, forecast::hours_between(request.at, plan.until));
    const double best = exhaustive.best();
    if (best > -1e300) {
      ++compared;
      EXPECT_TRUE(plan.keeps_clear) << i;
      EXPECT_GE(plan.progress_nm, best - 0.01 * exhaustive.distance()) << i << " grid " << best;
    }
    altered += plan.legs.empty() ? 0 : 1;
    const testing::Check check = testing::check_plan(request, plan);
    if (plan.keeps_clear) {
      EXPECT_GE(check.least_clearance, -1e-6) << i;
    }
  }
  EXPECT_GE(compared, n / 2);
  EXPECT_GE(altered, n / 4);
}

}  // namespace
}  // namespace hurricane::plan
