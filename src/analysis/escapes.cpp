#include "analysis/escapes.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace hurricane::analysis {
namespace {

// An escape before it is chosen: its course and the signed speed it needs.
struct Candidate {
  int course;    // 0..359
  double speed;  // kn; only its size counts
};

// Whether the round's own course field rates the escape course admissible at full speed
// (course 0 is the field's course 360).
bool admissible(const RoundAnalysis& r, const Candidate& escape) {
  const int course = escape.course == 0 ? 360 : escape.course;
  return course >= 1 && course <= 360 && r.icrs[static_cast<std::size_t>(course)] == 0;
}

}  // namespace

void escape_advice(const RoundValues& values, const RoundAnalysis& r, Advice& advice) {
  advice.moving_away = r.kdir == 2;
  // With no range every course shares one verdict, read from any entry.
  advice.all_courses = r.numc == 0 && r.icrs[360] == 0;
  advice.stay_possible = r.karea == 0;

  advice.area = Area::kDistant;
  if (r.numc == 0 && !advice.all_courses) advice.area = Area::kExternal;
  if (values.dist < values.cpa) advice.area = Area::kInternal;

  // The cheaper escape first; on equal speeds escape 1.
  Candidate first{r.kben1, r.rn1k};
  Candidate second{r.kben2, r.rn2k};
  if (!(std::fabs(r.rn1k) <= std::fabs(r.rn2k))) std::swap(first, second);
  const auto recommend = [&](const Candidate& escape) {
    advice.escapes.push_back(Escape{escape.course, std::fabs(escape.speed), r.karea != 0});
  };
  advice.escapes.clear();
  if (r.numc == 4) {
    for (const Candidate& escape : {first, second}) {
      if (admissible(r, escape)) recommend(escape);
    }
  } else if (r.numc == 2) {
    if (admissible(r, first)) {
      recommend(first);
    } else if (admissible(r, second)) {
      recommend(second);
    }
  }
}

}  // namespace hurricane::analysis
