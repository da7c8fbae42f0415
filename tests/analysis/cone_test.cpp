// The prepared cone, the direction table and the course scan built on them give bit for bit
// what the direct admissibility test gives at every scan direction.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "analysis/cocheck.h"
#include "analysis/cone.h"
#include "analysis/course_scan.h"
#include "analysis/situation.h"
#include "geometry/constants.h"

namespace hurricane::analysis {
namespace {

bool same_bits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

int direct_code(double xx, double yy, Point ph0, double be1, double bec, double be2, double u) {
  int ibase = -1;
  cocheck(xx, yy, ph0, be1, bec, be2, u, ibase);
  return ibase;
}

// Rounds as the dialogue hands them over, spread over every kind of situation: inside the
// critical circle, hurricane at rest, ship at rest, ship far faster or slower.
std::vector<RoundValues> rounds() {
  std::mt19937_64 random(2024);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<RoundValues> list;
  for (int k = 0; k < 400; ++k) {
    const double speed = k % 17 == 0 ? 0.0 : 40.0 * unit(random);
    double vship = k % 13 == 0 ? 0.0 : 30.0 * unit(random);
    if (vship < geometry::tiny_single) vship = geometry::tiny_single;
    list.push_back({2000.0 * unit(random), 720.0 * unit(random), 720.0 * unit(random), speed,
                    300.0 * unit(random), vship, speed * 0.5});
  }
  return list;
}

TEST(ScanDirections, AreTheSinesAndCosinesOfEveryWholeDegree) {
  const auto& table = scan_directions();
  for (int i = 0; i <= 360; ++i) {
    const double angle = static_cast<double>(i) * geometry::qdr;
    EXPECT_TRUE(same_bits(table[static_cast<std::size_t>(i)].x, std::cos(angle))) << i;
    EXPECT_TRUE(same_bits(table[static_cast<std::size_t>(i)].y, std::sin(angle))) << i;
  }
}

TEST(PreparedCone, CodesEveryScanDirectionAsTheDirectTest) {
  for (const RoundValues& v : rounds()) {
    RoundAnalysis m;
    model_situation(v, m);
    const Cone cone = prepare_cone(m.ph0, m.be1, m.bec, m.be2, v.dspeed);
    CourseArray direct{};
    for (int i = 0; i <= 360; ++i) {
      const double x = m.ph1.x + v.vship * std::cos(static_cast<double>(i) * geometry::qdr);
      const double y = m.ph1.y + v.vship * std::sin(static_cast<double>(i) * geometry::qdr);
      const int code = direct_code(x, y, m.ph0, m.be1, m.bec, m.be2, v.dspeed);
      ASSERT_EQ(cocheck(cone, x, y), code) << v.dist << " " << v.bear << " pass " << i;
      direct[static_cast<std::size_t>(i + 180 > 360 ? i - 180 : i + 180)] = code;
    }
    CourseArray scanned{};
    scan_courses(m, v.vship, v.dspeed, scanned);
    ASSERT_EQ(scanned, direct) << v.dist << " " << v.bear << " " << v.track;
  }
}

// Cones the situation model never makes: unreduced and undefined edges, no margin, and
// points on and around the apex, where the snap and the range bias decide.
TEST(PreparedCone, CodesAnyConeAndPointAsTheDirectTest) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::mt19937_64 random(99);
  std::uniform_real_distribution<double> bearing(-400.0, 800.0);
  std::uniform_real_distribution<double> coordinate(-20.0, 20.0);
  const double near[] = {0.0, 1e-14, -3e-7, 7.07e-7, 1e-6, -1.4142e-6, 2e-6, 1e-3};
  for (int k = 0; k < 300; ++k) {
    double be1 = bearing(random);
    double bec = bearing(random);
    double be2 = bearing(random);
    if (k % 10 == 0) be1 = be2 = nan;
    const double u = k % 7 == 0 ? 0.0 : 10.0 * std::fabs(coordinate(random));
    const Point ph0 = k % 3 == 0 ? Point{} : Point{coordinate(random), coordinate(random)};
    const Cone cone = prepare_cone(ph0, be1, bec, be2, u);
    for (int p = 0; p < 100; ++p) {
      double xx = ph0.x + coordinate(random);
      double yy = ph0.y + coordinate(random);
      if (p < 64) {
        xx = ph0.x + near[p % 8];
        yy = ph0.y + near[p / 8];
      }
      ASSERT_EQ(cocheck(cone, xx, yy), direct_code(xx, yy, ph0, be1, bec, be2, u))
          << be1 << " " << bec << " " << be2 << " " << u << " " << xx << " " << yy;
    }
  }
}

}  // namespace
}  // namespace hurricane::analysis
