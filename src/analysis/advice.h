// The whole advice of one round as one plain value: everything the report says, and what a
// picture of the situation needs. Every front-end formats this value and computes nothing.
#pragma once

#include <array>
#include <vector>

#include "analysis/point.h"
#include "analysis/round_values.h"

namespace hurricane::analysis {

// Area class of the ship (irang).
enum class Area {
  kInternal = 0,  // already closer to the centre than the distance to keep
  kExternal = 1,  // no course at full speed keeps the distance
  kDistant = 2,   // some course, or every course, keeps the distance
};

// A clockwise range of admissible whole-degree courses, first to last (1..360, 360 north);
// a range through north has its last course below its first.
struct CourseRange {
  int first = 0;
  int last = 0;
};

// An escape that advice [A] recommends.
struct Escape {
  int course = 0;            // whole degrees, 0..359 (kben1 or kben2)
  double speed = 0.0;        // least ship speed it needs, kn, never negative (|rn1k| or |rn2k|)
  bool speed_shown = false;  // whether the report prints the speed (staying in place fails)
};

// Which answer advice [B] gives.
enum class CpaCase {
  kFaster,    // the ship is faster than the hurricane: the CPA does not matter
  kAchieved,  // no course brings a CPA below the present distance: it is already the largest
  kCpaAhead,  // the largest CPA lies ahead, on course becpa
};

// Advice [B]: the course that makes the closest point of approach (CPA) largest.
struct MaxCpa {
  CpaCase kind = CpaCase::kFaster;
  double cpa = 0.0;        // the CPA the advice states, nm (the present distance unless ahead)
  bool cpa_block = false;  // whether the CPA, its time to go and becpa are printed (cpa < dist)
  double tcpa = 0.0;       // time to go until the CPA, hours (0 unless ahead)
  int iday = 0;            // tcpa in days, hours, minutes and seconds (timday)
  int ihour = 0;
  int imin = 0;
  int isec = 0;
  double becpa = 0.0;           // course for the largest CPA, degrees [0, 360) (0 unless ahead)
  int ibecpa = 0;               // course of the suggestion line, whole degrees
  int icpa = 0;                 // the present distance, whole nm, for the achieved line
  bool slow_ship_hint = false;  // ship slower than half the hurricane's speed
};

// Everything one round's analysis concludes.
struct Advice {
  // What the analysis used.
  RoundValues values;     // the round values, U included (values.dspeed)
  Hemisphere hemisphere;  // chooses the dangerous side and the internal-area advice

  // Situation model: the plane centred on the hurricane (x north, y east).
  Point ph0;            // the hurricane's centre: the origin, apex of the danger cone
  Point pa;             // the ship, nm
  Point ph1;            // the tip of the hurricane's velocity V, kn
  double bec = 0.0;     // bearing of the ship seen from the hurricane, [0, 360)
  double be1 = 0.0;     // anticlockwise edge of the danger cone, [0, 360); NaN inside the circle
  double be2 = 0.0;     // clockwise edge of the danger cone, [0, 360); NaN inside the circle
  double beh0h1 = 0.0;  // the hurricane's track, [0, 360); 180 for a hurricane at rest
  int kdir = 0;         // zone of the track relative to the cone: -1, 0, 1, or 2 moving away
  int kben1 = 0;        // escape course across edge 1, whole degrees 0..359
  int kben2 = 0;        // escape course across edge 2, whole degrees 0..359
  double rn1k = 0.0;    // ship speed escape kben1 needs, kn; may be negative
  double rn2k = 0.0;    // ship speed escape kben2 needs, kn; may be negative
  int kanti = 0;        // course straight away from the hurricane, 0..360
  int karea = 0;        // admissibility code of staying in place (0 admissible)

  // Course scan: codes[c] = admissibility code of course c = 1..360 as the test gave it
  // (0 admissible, else a sum of the flags of analysis/cocheck.h); codes[0] is unused.
  std::array<int, 361> codes{};
  std::vector<CourseRange> ranges;  // admissible ranges, in the order printed
  int numc = 0;                     // number of range limits: twice the number of ranges
  bool limits_error = false;        // the range finder met a list without a range start

  // Advice [A].
  bool moving_away = false;     // kdir 2: the notice and the course away kanti are printed
  bool all_courses = false;     // no range limit and every course admissible
  std::vector<Escape> escapes;  // the recommended escapes, in the order printed (0 to 2)
  bool stay_possible = false;   // staying in place keeps the distance (karea 0)

  // Advice [B].
  MaxCpa max_cpa;

  // Verdict.
  double alfa = 0.0;  // angle from the track to the line centre-ship, (-180, 180], + right
  bool dangerous_quarter = false;  // ahead of the hurricane, on its dangerous side
  Area area = Area::kDistant;      // irang
};

// The area class as programs name it: "internal", "external" or "distant".
const char* area_name(Area area);

// advise: the whole advice for one round's values in the given hemisphere. Pure: no I/O, no
// state; the same values give the same bits everywhere.
Advice advise(const RoundValues& values, Hemisphere hemisphere);

}  // namespace hurricane::analysis
