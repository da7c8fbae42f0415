// BM_Round: one round's analysis and its three report blocks, written into memory.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "dialogue/round_result.h"
#include "situations.h"

namespace hurricane::bench {
namespace {

// Keeps one round's text, emptied before each round so that memory stays warm.
class MemorySink final : public console::Output {
 public:
  void put(std::string_view bytes) override { text_ += bytes; }
  void flush() override {}
  void clear() { text_.clear(); }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

void BM_Round_Default(benchmark::State& state) {
  const analysis::RoundValues values = default_situation();
  MemorySink sink;
  for (auto _ : state) {
    sink.clear();
    dialogue::write_round_result(values, 1, sink);
    benchmark::DoNotOptimize(sink.text().data());
  }
}
BENCHMARK(BM_Round_Default)->Name("BM_Round/default");

void BM_Round_Random(benchmark::State& state) {
  const auto& situations = random_situations();
  MemorySink sink;
  std::size_t next = 0;
  for (auto _ : state) {
    sink.clear();
    // Both hemispheres, so that both verdict texts are written.
    dialogue::write_round_result(situations[next], 1 + static_cast<int>(next % 2), sink);
    benchmark::DoNotOptimize(sink.text().data());
    if (++next == situations.size()) next = 0;
  }
}
BENCHMARK(BM_Round_Random)->Name("BM_Round/random");

}  // namespace
}  // namespace hurricane::bench
