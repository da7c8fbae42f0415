#include "situations.h"

#include <cstdint>
#include <random>

namespace hurricane::bench {
namespace {

// The values the dialogue hands over for these answers.
analysis::RoundValues round_values(double dist, double bear, double track, double speed, double cpa,
                                   double vship) {
  return analysis::round_values({dist, bear, track, speed, cpa, vship});
}

}  // namespace

analysis::RoundValues default_situation() {
  return round_values(1000, 275, 91, 11, 150, 7);
}

const std::vector<analysis::RoundValues>& random_situations() {
  static const std::vector<analysis::RoundValues> situations = [] {
    std::mt19937_64 random(20240606);
    // Answers as typed: whole numbers or tenths, drawn from integers so that no
    // library's real distribution can change the list.
    const auto draw = [&random](std::uint64_t lowest, std::uint64_t highest, double scale) {
      return static_cast<double>(lowest + random() % (highest - lowest + 1)) * scale;
    };
    std::vector<analysis::RoundValues> list;
    list.reserve(1000);
    for (int k = 0; k < 1000; ++k) {
      const double dist = draw(5, 2000, 1.0);
      const double bear = draw(0, 359, 1.0);
      const double track = draw(0, 359, 1.0);
      const double speed = draw(0, 300, 0.1);
      const double cpa = draw(10, 300, 1.0);
      const double vship = draw(0, 250, 0.1);
      list.push_back(round_values(dist, bear, track, speed, cpa, vship));
    }
    return list;
  }();
  return situations;
}

}  // namespace hurricane::bench
