// Condensing the course field into clockwise ranges of admissible courses.
#pragma once

#include <array>

#include "analysis/round_analysis.h"

namespace hurricane::analysis {

// nc: number of whole-degree courses judged, 1 to 360 (360 is north).
inline constexpr int nc = 360;

// Transition list of the course field, read as a circle (course 360 precedes course 1).
struct Transitions {
  std::array<int, nc + 1> ifeld{};  // ifeld: course of each transition (1-based)
  std::array<int, nc + 1> kfeld{};  // kfeld: its kind, 1 first course of a range, -1 last course
  int numc = 0;                     // numc: number of transitions
};

// find_transitions: rewrites every non-zero entry 1..360 of icrs to 1 and lists, in ascending
// course order, each course where an admissible range begins or ends.
Transitions find_transitions(CourseArray& icrs);

// order_ranges: kcrs(1..numc) = the transitions in list order from the first range start on,
// wrapping round; numc = number of transitions. A non-empty list without a range start leaves
// kcrs untouched and returns true: the report then prints the range finder's error line.
bool order_ranges(const Transitions& tr, CourseArray& kcrs, int& numc);

// limits: the admissible ranges of the course field icrs (entries 1..360, 0 admissible) as
// first and last course (1..360) in pairs in kcrs(1..numc), ordered by first course; a range
// through north has its last course below its first. numc = 0: one verdict for all courses.
// Returns true in order_ranges' error case.
bool limits(CourseArray& icrs, CourseArray& kcrs, int& numc);

}  // namespace hurricane::analysis
