// One escape plan: Lee's advisory 30 (2023), 72 h, the shoreline held, a ship off the north
// coast of Hispaniola bound for Nassau, whose voyage runs into the danger: it runs south-east,
// then north-west past the Turks and Caicos. Run by hand: build/bench/plan_bench.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <variant>

#include "advisory/read_advisory.h"
#include "forecast/from_advisory.h"
#include "land/land.h"
#include "plan/plan.h"

namespace hurricane::plan {
namespace {

PlanRequest request(const land::Land& land) {
  std::ifstream in(HURRICANE_PLAN_ADVISORY, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  const forecast::StormTrack track =
      *forecast::track_from_advisory(advisory::read_advisory(bytes.str()).value());
  PlanRequest r;
  r.at = track.points.front().time;
  r.ship = {HURRICANE_PLAN_SHIP};
  r.speed_kn = 14.0;
  r.storms = {track};
  r.error.scale = 2.0;
  r.error.table = forecast::cone_table(track.basin, track.season);
  r.error.margin_nm = 100.0;
  r.storm_tables = {r.error.table};
  r.land = &land;
  r.voyage.kind = Voyage::Kind::kDestination;
  r.voyage.waypoints = {{HURRICANE_PLAN_TO}};
  return r;
}

void BM_Plan(benchmark::State& state) {
  auto loaded = land::Land::load(HURRICANE_SHORELINE_FILE);
  const land::Land land = std::move(loaded.value());
  const PlanRequest r = request(land);
  Plan plan;
  for (auto _ : state) benchmark::DoNotOptimize(plan = make_plan(r));
  // What was planned, beside the time: the benchmark must keep planning legs that keep clear.
  if (!plan.keeps_clear || plan.legs.empty()) state.SkipWithError("no plan with legs keeps clear");
  state.counters["legs"] = static_cast<double>(plan.legs.size());
  state.counters["progress_nm"] = plan.progress_nm;
  state.counters["clearance_nm"] = plan.least_clearance_nm;
  state.counters["sea_room_nm"] = plan.least_sea_room_nm.value_or(-1.0);
}
BENCHMARK(BM_Plan)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hurricane::plan
