// The watch on a live feed: a fix a second, as gpsd gives them, against Lee's advisory 30 with
// the shoreline held; each iteration is an hour of the log (3,600 fixes, the answers they call
// for). "core_pct" is the share of one core the feed costs. Run by hand: build/bench/watch_bench.
#include <benchmark/benchmark.h>

#include <utility>

#include "land/land.h"
#include "navigation/geodesic.h"
#include "watch/watchkeeper.h"

namespace hurricane::watch {
namespace {

constexpr int kFixesPerHour = 3600;
constexpr int kHoursPerLog = 24;

void BM_HourOfFixes(benchmark::State& state) {
  auto loaded = land::Land::load(HURRICANE_SHORELINE_FILE);
  const land::Land land = std::move(loaded.value());
  WatchSettings settings;
  settings.base.situation.ship_speed = 12.0;
  settings.base.shoreline = &land;
  const FolderAdvisories folder = read_folder(HURRICANE_WATCH_FOLDER);
  const UtcTime start = folder.storms.front().storm.fix.time;
  const own_ship::Arrival boot{};

  std::optional<Watchkeeper> keeper;
  navigation::LatLon at{};
  int second = 0;
  int answers = 0;
  for (auto _ : state) {
    if (second % (kHoursPerLog * kFixesPerHour) == 0) {
      // A new log: the ship west of Lee, steaming 270 at 12 kn.
      state.PauseTiming();
      keeper.emplace(settings, std::nullopt, "bench");
      keeper->advisories(folder, start, boot);
      at = {24.0, -64.0};
      second = 0;
      state.ResumeTiming();
    }
    for (int i = 0; i < kFixesPerHour; ++i, ++second) {
      const Fix fix{at, 270.0, 12.0, start + std::chrono::seconds(second), "bench"};
      const UtcTime before = keeper->state().round ? keeper->state().round->advice_time : start;
      keeper->fix(fix, boot + std::chrono::seconds(second), fix.time);
      answers += keeper->state().round->advice_time != before ? 1 : 0;
      at = navigation::direct(at, 270.0, 12.0 / 3600.0).position;
    }
  }
  // Seconds of CPU per hour of log, as a percentage of that hour.
  state.counters["core_pct"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * 36.0,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["answers_per_hour"] =
      static_cast<double>(answers) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_HourOfFixes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hurricane::watch
