// One round's escape analysis: situation model, course scan and admissible ranges.
#pragma once

#include <array>

#include "analysis/point.h"
#include "console/output.h"

namespace hurricane::analysis {

// The round's working copies of the six answers (all made non-negative by the dialogue).
struct RoundValues {
  double dist = 0.0;    // distance of the hurricane's centre from the ship, nm
  double bear = 0.0;    // bearing of the hurricane seen from the ship, degrees (not reduced)
  double track = 0.0;   // direction of the hurricane's advance, degrees (not reduced)
  double speed = 0.0;   // hurricane speed V, kn
  double cpa = 0.0;     // distance to keep from the hurricane's centre, nm
  double vship = 0.0;   // maximum ship speed, kn, never below the single-precision 1e-19
  double dspeed = 0.0;  // uncertainty U = speed / 2, kn
};

// Number of entries of the course field and range list (1-based; index 0 unused).
inline constexpr int kCourseArraySize = 800;
using CourseArray = std::array<int, kCourseArraySize + 1>;

// Everything the report reads about one round.
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
  CourseArray icrs{};   // course field: entry c (1..360) rates course c, 0 admissible
  CourseArray kcrs{};   // range list: first and last course of each range, in pairs
  int numc = 0;         // number of entries of kcrs: twice the number of ranges
};

// Runs the situation model and the course scan for one round. Pure computation;
// `out` receives only the range finder's error line, which should never appear.
RoundAnalysis analyse_round(const RoundValues& values, console::Output& out);

}  // namespace hurricane::analysis
