// Inputs far larger than any navigator types: memory and time must stay small.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "robustness/child_process.h"
#include "robustness/sessions.h"

namespace hurricane::robustness {
namespace {

constexpr long kMemoryLimitKib = 20'000'000 / 1024;  // 20 MB

// One round whose distance answer "500" is followed, on its line, by `tail`
// repeated `count` times; then RETURN to the rest and 0 to end.
ChildRun round_with_long_distance_line(std::string_view tail, int count) {
  return run_advisor_process([&](const Writer& write) {
    write("\n500     ");
    for (int i = 0; i < count && write(tail); ++i) {
    }
    write("\n\n\n\n\n\n\n0\n");
  });
}

TEST(LargeInput, HundredMegabyteLineKeepsPeakMemoryUnderTwentyMegabytes) {
  const ChildRun huge = round_with_long_distance_line(std::string(1 << 20, 'x'), 100);
  ASSERT_EQ(huge.status, 0) << huge.err;
  EXPECT_EQ(huge.err, "");
  EXPECT_EQ(occurrences(huge.out, "\n 500     \n"), 1);  // the echo: the first 8 characters
  EXPECT_NE(huge.out.find("Distance of HUR [nm]= 500."), std::string::npos);
  EXPECT_TRUE(huge.out.ends_with(kClosing));
  std::printf("peak memory with a 100 MB line: %ld KiB, %.2f s of CPU\n", huge.peak_rss_kib,
              huge.cpu_seconds);

  if (kSanitized) {
    // The sanitizer's own memory counts here; what the line may add is the same.
    const ChildRun short_line = round_with_long_distance_line("", 0);
    EXPECT_LT(huge.peak_rss_kib - short_line.peak_rss_kib, kMemoryLimitKib);
  } else {
    EXPECT_LT(huge.peak_rss_kib, kMemoryLimitKib);
  }
}

// Ten thousand rounds of changing situations, with the attribution screen now
// and then: the session must neither slow down nor grow.
TEST(LargeInput, TenThousandRoundsRunFastInBoundedMemory) {
  constexpr int kRounds = 10'000;
  std::string input = "2\n";
  for (int r = 0; r < kRounds; ++r) {
    if (r % 1000 == 999) {
      input += "17\n9\n1961\n\n\n\n\n";  // the attribution date, ENTER on its screen
    } else {
      for (const int value : {50 + r * 37 % 2000, r * 53 % 360, r * 97 % 360, 1 + r % 30,
                              20 + r * 13 % 300, 1 + r * 7 % 25}) {
        input += std::to_string(value) + "\n";
      }
    }
    input += "\n";  // the restart wait
  }
  input += "0\n";

  const ChildRun run = run_advisor_process(input);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(occurrences(run.out, kRestartWait), kRounds);
  EXPECT_TRUE(run.out.ends_with(kClosing));
  std::printf("10,000 rounds: %.2f s of CPU, peak memory %ld KiB, %zu bytes of output\n",
              run.cpu_seconds, run.peak_rss_kib, run.out.size());
  // Unsanitized it takes 0.2 to 1 s on the CI machine, busy or not; five
  // seconds still catches a round or an output path gone several times slower.
  EXPECT_LT(run.cpu_seconds, kSanitized ? 30.0 : 5.0);
  if (!kSanitized) {
    EXPECT_LT(run.peak_rss_kib, kMemoryLimitKib);
  }
}

}  // namespace
}  // namespace hurricane::robustness
