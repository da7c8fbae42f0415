// BM_ArithmeticFloor: the transcendental work one round cannot avoid. Each of its 362
// admissibility tests needs the bearing of its point seen from the apex, directly and in the
// frame of the cone's centre: a square root, a division and an arcsine each, whose results
// no cache can supply. The round adds the sines and cosines of the cone's three bearings.
// Everything else a round does is measured against this.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include "analysis/situation.h"
#include "plane_geometry/constants.h"
#include "situations.h"

namespace hurricane::bench {
namespace {

using plane_geometry::qdr;
using plane_geometry::rotx1_factor;
using plane_geometry::tiny_single;

// What the floor reads of a round: the cone and the relative velocities to test.
struct Cone {
  double be1, bec, be2;  // edges and centre, degrees
  double vx, vy;         // hurricane velocity V, kn
  double vship;          // ship speed, kn
};

// Range and bearing arithmetic of one point, both kept alive.
inline void bearing_of(double x, double y) {
  const double ra = std::sqrt(x * x + y * y + tiny_single);
  double ang = std::asin(std::fabs(y) / ra);
  benchmark::DoNotOptimize(ang);
  double range = ra;
  benchmark::DoNotOptimize(range);
}

void BM_ArithmeticFloor(benchmark::State& state) {
  std::vector<Cone> cones;
  for (const analysis::RoundValues& v : random_situations()) {
    analysis::RoundAnalysis r;
    analysis::model_situation(v, r);
    cones.push_back({r.be1, r.bec, r.be2, r.ph1.x, r.ph1.y, v.vship});
  }
  // The scan's unit directions depend on nothing but the constants: outside the loop.
  std::array<double, 361> cosi{};
  std::array<double, 361> sini{};
  for (int i = 0; i <= 360; ++i) {
    cosi[static_cast<std::size_t>(i)] = std::cos(static_cast<double>(i) * qdr);
    sini[static_cast<std::size_t>(i)] = std::sin(static_cast<double>(i) * qdr);
  }

  std::size_t next = 0;
  for (auto _ : state) {
    const Cone& c = cones[next];
    if (++next == cones.size()) next = 0;
    // Per-round constants: the frames of the two edges and of the centre.
    double frame[6] = {std::cos(c.be1 * rotx1_factor), std::sin(c.be1 * rotx1_factor),
                       std::cos(c.be2 * rotx1_factor), std::sin(c.be2 * rotx1_factor),
                       std::cos(c.bec * rotx1_factor), std::sin(c.bec * rotx1_factor)};
    benchmark::DoNotOptimize(frame);
    const double cc = frame[4];
    const double ss = frame[5];
    // 362 tests: staying in place, then the 361 scan directions.
    for (int i = -1; i <= 360; ++i) {
      double x = c.vx;
      double y = c.vy;
      if (i >= 0) {
        x += c.vship * cosi[static_cast<std::size_t>(i)];
        y += c.vship * sini[static_cast<std::size_t>(i)];
      }
      bearing_of(x, y);
      bearing_of(cc * x + ss * y, -(ss * x) + cc * y);
    }
  }
}
BENCHMARK(BM_ArithmeticFloor);

}  // namespace
}  // namespace hurricane::bench
