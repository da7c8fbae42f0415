// Land in the way, as the program pays for it: loading and indexing the shoreline once at
// start-up, and land for a whole forecast sweep (360 courses x 5 speeds over 72 h) per advice.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "land/land.h"
#include "land/sweep.h"

namespace hurricane::bench {
namespace {

using land::Land;

const Land& loaded() {
  static const Land land = [] {
    auto read = Land::load(HURRICANE_SHORELINE_FILE);
    if (!read.ok()) {
      std::fprintf(stderr, "%s\n", read.error().problem.c_str());
      std::exit(1);
    }
    return std::move(read.value());
  }();
  return land;
}

void BM_LandLoad(benchmark::State& state) {
  for (auto _ : state) {
    auto land = Land::load(HURRICANE_SHORELINE_FILE);
    benchmark::DoNotOptimize(land);
  }
}
BENCHMARK(BM_LandLoad)->Unit(benchmark::kMillisecond);

// Starts: the Florida Straits (coasts all round), the open Gulf of Mexico, the open Atlantic.
constexpr std::array<std::array<double, 2>, 3> kStarts = {
    {{23.5, -81.0}, {25.0, -88.0}, {30.0, -50.0}}};

void BM_LandSweep(benchmark::State& state) {
  const Land& land = loaded();
  const auto& start = kStarts[static_cast<std::size_t>(state.range(0))];
  const std::array<double, 5> speeds = {20.0, 15.0, 10.0, 5.0, 0.0};
  for (auto _ : state) {
    auto sweep = land::sweep_land(land, start[0], start[1], speeds, 72.0);
    benchmark::DoNotOptimize(sweep);
  }
}
BENCHMARK(BM_LandSweep)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_OnLand(benchmark::State& state) {
  const Land& land = loaded();
  for (auto _ : state) {
    bool on = land.on_land(23.5, -81.0);
    benchmark::DoNotOptimize(on);
  }
}
BENCHMARK(BM_OnLand)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace hurricane::bench
