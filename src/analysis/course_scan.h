// Judging every whole-degree course of the ship at full speed.
#pragma once

#include "analysis/round_analysis.h"

namespace hurricane::analysis {

// scan_courses: icrs(c) = admissibility code (0 admissible) of steering course c = 1..360
// (degrees, 360 north) at vship kn, against the cone of the situation model `m` with margin
// dspeed kn. Other entries of icrs are left alone.
void scan_courses(const RoundAnalysis& m, double vship, double dspeed, CourseArray& icrs);

}  // namespace hurricane::analysis
