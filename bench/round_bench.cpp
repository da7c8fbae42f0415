// BM_Round: one round's analysis and its three report blocks, written into memory.
#include <benchmark/benchmark.h>

#include <cstddef>

#include "analysis/advice.h"
#include "report/report.h"
#include "situations.h"

namespace hurricane::bench {
namespace {

// One round as the dialogue prints it: the advice and its report lines, the hemisphere
// alternating so that both verdict texts are written.
std::size_t round(const analysis::RoundValues& values, std::size_t k) {
  const auto hemisphere = k % 2 == 0 ? analysis::Hemisphere::kNorth : analysis::Hemisphere::kSouth;
  const report::Lines lines = report::result_lines(analysis::advise(values, hemisphere));
  return lines.size();
}

void BM_Round_Default(benchmark::State& state) {
  const analysis::RoundValues values = default_situation();
  for (auto _ : state) benchmark::DoNotOptimize(round(values, 0));
}
BENCHMARK(BM_Round_Default)->Name("BM_Round/default");

void BM_Round_Random(benchmark::State& state) {
  const auto& situations = random_situations();
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(round(situations[next], next));
    if (++next == situations.size()) next = 0;
  }
}
BENCHMARK(BM_Round_Random)->Name("BM_Round/random");

}  // namespace
}  // namespace hurricane::bench
