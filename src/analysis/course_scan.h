// Judging every whole-degree course of the ship at full speed.
#pragma once

#include <array>

#include "analysis/point.h"
#include "analysis/round_analysis.h"

namespace hurricane::analysis {

// scan_courses: icrs(c) = admissibility code (0 admissible) of steering course c = 1..360
// (degrees, 360 north) at vship kn, against the cone of the situation model `m` with margin
// dspeed kn. Other entries of icrs are left alone.
void scan_courses(const RoundAnalysis& m, double vship, double dspeed, CourseArray& icrs);

// The unit vectors of the scan's passes i = 0..360: (cos(i * qdr), sin(i * qdr)) with i
// converted to a real first, the very values the scan would compute. They depend on the
// constants alone, so the table is made once and only read afterwards.
const std::array<Point, 361>& scan_directions();

}  // namespace hurricane::analysis
