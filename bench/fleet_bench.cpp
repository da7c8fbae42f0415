// A fleet's ships answered as the fleet command answers them, the shoreline and the advisory
// read once: the time per ship, and ships per second as a counter. Run by hand:
// build-rel/bench/fleet_bench (a Release build).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/fleet_ship.h"
#include "land/land.h"

namespace hurricane::bench {
namespace {

const land::Land& shoreline() {
  static const land::Land land = [] {
    auto read = land::Land::load(HURRICANE_SHORELINE_FILE);
    if (!read.ok()) {
      std::fprintf(stderr, "%s\n", read.error().problem.c_str());
      std::exit(1);
    }
    return std::move(read.value());
  }();
  return land;
}

cli::FleetStorms storms(bool with_land) {
  std::ifstream in(HURRICANE_FLEET_ADVISORY);
  cli::FleetStorms storms;
  storms.advisory_text.assign(std::istreambuf_iterator<char>(in), {});
  if (with_land) storms.shoreline = &shoreline();
  return storms;
}

// Ships scattered over the storm's part of the ocean, some near the islands, on varied courses
// and speeds: the same lines every run.
std::vector<std::string> ships() {
  std::vector<std::string> lines;
  for (int i = 0; i < 64; ++i) {
    const double lat = 12.0 + 20.0 * (i % 37) / 37.0;
    const double lon = 40.0 + 26.0 * (i % 53) / 53.0;
    char line[160];
    std::snprintf(line, sizeof line,
                  R"({"id": "s%d", "position": "%.2fN,%.2fW", "speed": %d, "course": %d})", i, lat,
                  lon, 8 + 2 * (i % 5), (i * 37) % 360);
    lines.emplace_back(line);
  }
  return lines;
}

void BM_FleetShip(benchmark::State& state) {
  const cli::FleetStorms fleet = storms(state.range(0) != 0);
  const std::vector<std::string> lines = ships();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(cli::fleet_answer(next + 1, lines[next], fleet, "bench"));
    next = (next + 1) % lines.size();
  }
  state.counters["ships_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
// 0: land left out; 1: held against the shoreline.
BENCHMARK(BM_FleetShip)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hurricane::bench
