#include "analysis/course_scan.h"

#include <cmath>
#include <cstddef>

#include "analysis/cone.h"
#include "plane_geometry/constants.h"
#include "plane_geometry/position.h"

namespace hurricane::analysis {

using plane_geometry::qdr;

const std::array<Point, 361>& scan_directions() {
  static const std::array<Point, 361> table = [] {
    std::array<Point, 361> directions;
    for (int i = 0; i <= 360; ++i) {
      directions[static_cast<std::size_t>(i)] =
          Point{std::cos(static_cast<double>(i) * qdr), std::sin(static_cast<double>(i) * qdr)};
    }
    return directions;
  }();
  return table;
}

void scan_courses(const RoundAnalysis& m, double vship, double dspeed, CourseArray& icrs) {
  constexpr std::size_t kPasses = 361;
  // Every pass tests against the same cone: its frames and sectors are made once.
  const Cone cone = prepare_cone(m.ph0, m.be1, m.bec, m.be2, dspeed);
  const std::array<Point, kPasses>& directions = scan_directions();

  // The passes are independent, so each step of the test goes through all of them in one
  // stretch: the arithmetic of many passes then overlaps instead of waiting on each other.
  // Pass i adds the ship's velocity reversed along i, which is steering course i + 180.
  // (Plain arrays: every entry is written before it is read.)
  std::array<double, kPasses> xx;  // the relative-velocity points, snapped
  std::array<double, kPasses> yy;
  std::array<double, kPasses> zxh;  // their offsets from the apex in the centre's frame
  std::array<double, kPasses> zyh;
  std::array<int, kPasses> bands;     // their band flags
  std::array<double, kPasses> bexy;   // their bearings from the apex
  std::array<double, kPasses> zbexy;  // ... relative to the centre bearing
  std::array<double, kPasses> zra;    // ... and ranges from the apex
  for (std::size_t i = 0; i < kPasses; ++i) {
    double x = m.ph1.x + vship * directions[i].x;
    double y = m.ph1.y + vship * directions[i].y;
    snap_to_apex(cone, x, y);
    xx[i] = x;
    yy[i] = y;
    bands[i] = band_flags(cone, x, y);
    const Point offset = centre_offset(cone, x, y);
    zxh[i] = offset.x;
    zyh[i] = offset.y;
  }
  for (std::size_t i = 0; i < kPasses; ++i) bexy[i] = apex_bearing(cone, xx[i], yy[i]);
  for (std::size_t i = 0; i < kPasses; ++i) plane_geometry::xpobe(zxh[i], zyh[i], zbexy[i], zra[i]);

  // Passes 0 and 360 both judge course 180 and the later one stands.
  for (std::size_t i = 0; i < kPasses; ++i) {
    const int ibax = sector_code(cone, bands[i], bexy[i], zbexy[i], zra[i]);  // code of pass i
    std::size_t j = i + 180;  // j: the course judged, 1..360
    if (j > 360) j -= 360;
    icrs[j] = ibax;
  }
}

}  // namespace hurricane::analysis
