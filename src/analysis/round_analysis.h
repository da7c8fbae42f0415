// One round's escape analysis: situation model, course scan and admissible ranges.
#pragma once

#include <array>

#include "analysis/point.h"
#include "analysis/round_values.h"

namespace hurricane::analysis {

// Number of entries of the course field and range list (1-based; index 0 unused).
inline constexpr int kCourseArraySize = 800;
using CourseArray = std::array<int, kCourseArraySize + 1>;

// The situation model and course scan of one round, as advise() builds on them.
struct RoundAnalysis {
  Point ph0;            // the hurricane's centre now: the apex of the danger cone
  Point pa;             // the ship's position relative to the hurricane's centre
  Point ph1;            // hurricane velocity V: relative-velocity point of a ship in place
  double bec = 0.0;     // bearing of the ship seen from the hurricane, [0, 360)
  double be1 = 0.0;     // anticlockwise edge of the danger cone, [0, 360)
  double be2 = 0.0;     // clockwise edge of the danger cone, [0, 360)
  double beh0h1 = 0.0;  // bearing of V, [0, 360); 180 for a hurricane at rest
  double rn1 = 0.0;     // distance of V's tip from the line of edge 1, kn
  double rn2 = 0.0;     // distance of V's tip from the line of edge 2, kn
  double rn1k = 0.0;    // ship speed the escape kben1 needs; may be negative
  double rn2k = 0.0;    // ship speed the escape kben2 needs; may be negative
  int kdir = 0;         // zone of the track relative to the cone: -1, 0, 1, 2 (2: moving away)
  int kben1 = 0;        // whole-degree escape course across edge 1, 0..359
  int kben2 = 0;        // whole-degree escape course across edge 2, 0..359
  int kanti = 0;        // course straight away from the hurricane, 0..360
  int karea = 0;        // admissibility code of staying in place: 0 admissible
  CourseArray codes{};  // course field as the test rated it: entry c (1..360), 0 admissible
  CourseArray icrs{};   // the same reduced to 0 admissible and 1 not, as limits leaves it
  CourseArray kcrs{};   // range list: first and last course of each range, in pairs
  int numc = 0;         // number of entries of kcrs: twice the number of ranges
  bool limits_error = false;  // the range finder met a list without a range start
};

// Runs the situation model and the course scan for one round. Pure computation.
RoundAnalysis analyse_round(const RoundValues& values);

}  // namespace hurricane::analysis
