// The direction table, the prepared cone and the scan built on them give bit for bit what the
// direct admissibility test gives.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <utility>

#include "analysis/cocheck.h"
#include "analysis/cone.h"
#include "analysis/course_scan.h"
#include "analysis/situation.h"
#include "plane_geometry/constants.h"

namespace hurricane::analysis {
namespace {

// Same bits, or both NaN (which NaN an operation on two NaNs gives is the compiler's choice of
// operand order, and nothing the system prints depends on it).
bool same_bits(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) ||
         std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

int direct_code(double xx, double yy, Point ph0, double be1, double bec, double be2, double u) {
  int ibase = -1;
  cocheck(xx, yy, ph0, be1, bec, be2, u, ibase);
  return ibase;
}

TEST(ScanDirections, AreTheCosinesAndSinesOfEveryWholeDegree) {
  for (std::size_t i = 0; i <= 360; ++i) {
    const double angle = static_cast<double>(i) * plane_geometry::qdr;
    EXPECT_TRUE(same_bits(scan_directions()[i].x, std::cos(angle))) << i;
    EXPECT_TRUE(same_bits(scan_directions()[i].y, std::sin(angle))) << i;
  }
}

// 400 rounds of every kind (inside the critical circle, hurricane or ship at rest, either one
// far faster): the prepared cone codes every scan direction as the direct test, and the scan
// fills the course field with those codes.
TEST(PreparedCone, CodesEveryScanDirectionAsTheDirectTest) {
  std::mt19937_64 random(2024);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int k = 0; k < 400; ++k) {
    const double speed = k % 17 == 0 ? 0.0 : 40.0 * unit(random);
    const double vship = k % 13 == 0 ? plane_geometry::tiny_single : 30.0 * unit(random);
    const RoundValues v{2000.0 * unit(random),
                        720.0 * unit(random),
                        720.0 * unit(random),
                        speed,
                        300.0 * unit(random),
                        vship,
                        speed * 0.5};
    RoundAnalysis m;
    model_situation(v, m);
    const Cone cone = prepare_cone(m.ph0, m.be1, m.bec, m.be2, v.dspeed);
    CourseArray direct{};
    for (int i = 0; i <= 360; ++i) {
      const double x = m.ph1.x + vship * std::cos(static_cast<double>(i) * plane_geometry::qdr);
      const double y = m.ph1.y + vship * std::sin(static_cast<double>(i) * plane_geometry::qdr);
      const int code = direct_code(x, y, m.ph0, m.be1, m.bec, m.be2, v.dspeed);
      ASSERT_EQ(cocheck(cone, x, y), code) << "round " << k << " pass " << i;
      direct[static_cast<std::size_t>(i > 180 ? i - 180 : i + 180)] = code;
    }
    CourseArray scanned{};
    scan_courses(m, vship, v.dspeed, scanned);
    ASSERT_EQ(scanned, direct) << "round " << k;
  }
}

// Cones the situation model never makes (unreduced, huge, infinite or undefined bearings, no
// margin, an apex off the origin) and points on and around the apex, where the snap and the
// range bias decide.
TEST(PreparedCone, CodesAnyConeAndPointAsTheDirectTest) {
  const double inf = std::numeric_limits<double>::infinity();
  const double odd[] = {0.0,    -0.0, 360.0, -360.0, 359.99999999999994,
                        -1e-20, 1e13, -1e13, inf,    std::nan("")};
  std::mt19937_64 random(99);
  std::uniform_real_distribution<double> bearing(-400.0, 800.0);
  std::uniform_real_distribution<double> offset(-20.0, 20.0);
  const auto any_bearing = [&](int k) { return k % 3 == 0 ? odd[k / 3 % 10] : bearing(random); };
  const double near[] = {0.0, 1e-14, -3e-7, 7.07e-7, 1e-6, -1.4142e-6, 2e-6, 1e-3};
  for (int k = 0; k < 300; ++k) {
    const double be1 = k % 20 == 10 ? std::nan("") : any_bearing(k);  // ship inside
    const double bec = any_bearing(k + 1);
    const double be2 = k % 10 == 0 ? be1 : any_bearing(k + 2);  // and a cone of no width
    const double u = k % 7 == 0 ? 0.0 : std::fabs(10.0 * offset(random));
    const Point ph0 = k % 3 == 0 ? Point{} : Point{offset(random), offset(random)};
    const Cone cone = prepare_cone(ph0, be1, bec, be2, u);
    for (const double ww : {be1, be2, be2 + 90.0, be1 - 90.0, bearing(random)}) {  // bounds
      double w1 = be1, w2 = be2, direct_ww = ww, prepared_ww = ww;
      int direct = 9, prepared = 9;
      plane_geometry::wcheck(w1, w2, direct_ww, direct);
      plane_geometry::wcheck(cone.inside, prepared_ww, prepared);
      ASSERT_EQ(prepared, direct) << be1 << " " << be2 << " " << ww;
    }
    for (int p = 0; p < 100; ++p) {
      const double xx = ph0.x + (p < 64 ? near[p % 8] : offset(random));
      const double yy = ph0.y + (p < 64 ? near[p / 8] : offset(random));
      ASSERT_EQ(cocheck(cone, xx, yy), direct_code(xx, yy, ph0, be1, bec, be2, u))
          << be1 << " " << bec << " " << be2 << " " << u << " " << xx << " " << yy;
      // The frames turn the point to the same bits as rotx1 (or both to NaN).
      for (const auto& [frame, w] :
           {std::pair{cone.edge1, be1}, {cone.edge2, be2}, {cone.centre, bec}}) {
        double w0 = w, zx = 0.0, zy = 0.0, fx = 0.0, fy = 0.0;
        plane_geometry::rotx1(w0, ph0.x, ph0.y, xx, yy, zx, zy);
        plane_geometry::rotx1(frame, ph0.x, ph0.y, xx, yy, fx, fy);
        ASSERT_TRUE(same_bits(fx, zx) && same_bits(fy, zy)) << w << " " << xx << " " << yy;
      }
    }
  }
}

}  // namespace
}  // namespace hurricane::analysis
