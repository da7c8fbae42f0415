// The forecast sweep: one storm, 72 h, 360 courses at four speeds and staying put, fast and
// straightforward (the geodesic routines at every sample). Run by hand: build/bench/forecast_bench.
#include <benchmark/benchmark.h>

#include <GeographicLib/Geodesic.hpp>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "forecast/sweep.h"
#include "forecast/tracks.h"

namespace hurricane::forecast {
namespace {

// A hurricane turning north-east past a ship 300 nm off, with the default cone:2 and 100 nm.
std::vector<StormTrack> storms() {
  using testing::track_of;
  StormTrack storm = track_of({{0, {24.7, -66.4}, 100, {210, 200, 150, 170}},
                               {12, {25.4, -67.0}, 100, {220, 210, 150, 170}},
                               {24, {26.7, -67.6}, 95, {230, 210, 170, 180}},
                               {36, {28.6, -68.1}, 90, {230, 220, 170, 200}},
                               {48, {30.7, -68.2}, 85, {250, 240, 180, 200}},
                               {60, {33.4, -67.6}, 80, {250, 240, 190, 220}},
                               {72, {36.4, -66.8}, 75, {270, 250, 210, 250}}},
                              {315, 6});
  storm.accuracy_nm = 20;
  return {storm};
}

SweepRequest request() {
  SweepRequest r;
  r.at = testing::analysis_time();
  r.ship = {27.0, -72.0};
  r.speed_kn = 16;
  r.horizon_h = 72;
  r.error.scale = 2;
  r.error.table = cone_table("AL", 2023);
  r.error.margin_nm = 100;
  return r;
}

void BM_ForecastSweep(benchmark::State& state) {
  const auto tracks = storms();
  const SweepRequest r = request();
  for (auto _ : state) benchmark::DoNotOptimize(sweep(tracks, r));
}
BENCHMARK(BM_ForecastSweep)->Unit(benchmark::kMillisecond);

void BM_ForecastSweepBruteForce(benchmark::State& state) {
  const auto tracks = storms();
  const SweepRequest r = request();
  for (auto _ : state) benchmark::DoNotOptimize(sweep_brute_force(tracks, r));
  // The worst difference of the least clearances, as a counter beside the time.
  const Sweep fast = sweep(tracks, r);
  const Sweep brute = sweep_brute_force(tracks, r);
  double worst = std::abs(fast.stay.clearance_nm - brute.stay.clearance_nm);
  for (std::size_t v = 0; v < kSpeedFractions.size(); ++v) {
    for (std::size_t c = 0; c < kCourses; ++c) {
      worst = std::max(
          worst, std::abs(fast.passages[v][c].clearance_nm - brute.passages[v][c].clearance_nm));
    }
  }
  state.counters["worst_nm"] = worst;
  if (!(worst <= 0.5))
    state.SkipWithError("the fast sweep is more than 0.5 nm off the brute force");
}
BENCHMARK(BM_ForecastSweepBruteForce)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace hurricane::forecast
