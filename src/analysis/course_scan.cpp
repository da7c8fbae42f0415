#include "analysis/course_scan.h"

#include <cmath>

#include "analysis/cocheck.h"
#include "geometry/constants.h"

namespace hurricane::analysis {

using geometry::qdr;

void scan_courses(const RoundAnalysis& m, double vship, double dspeed, CourseArray& icrs) {
  // Pass i adds the ship's velocity reversed along i, which is steering course i + 180; passes
  // 0 and 360 both judge course 180 and the later one stands.
  for (int i = 0; i <= 360; ++i) {
    const double x = m.ph1.x + vship * std::cos(static_cast<double>(i) * qdr);
    const double y = m.ph1.y + vship * std::sin(static_cast<double>(i) * qdr);
    double be1 = m.be1;  // edge copies: cocheck reduces them in place
    double be2 = m.be2;
    int ibax = 0;  // ibax: code of the course judged in this pass
    cocheck(x, y, m.ph0, be1, m.bec, be2, dspeed, ibax);
    int j = i + 180;  // j: the course judged, 1..360
    if (j > 360) j -= 360;
    if (j <= 0) j += 360;
    icrs[j] = ibax;
  }
}

}  // namespace hurricane::analysis
