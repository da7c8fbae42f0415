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

CourseAdvice course_advice(const RoundAnalysis& r) {
  CourseAdvice a;
  a.moving_away = r.kdir == 2;
  a.course_away = r.kanti;
  // With no range every course shares one verdict, read from any entry.
  a.all_courses = r.numc == 0 && r.icrs[360] == 0;
  a.stay_possible = r.karea == 0;
  a.ranges_incomplete = r.limits_error;
  for (int k = 1; k + 1 <= r.numc; k += 2) {
    a.ranges.push_back(
        CourseRange{r.kcrs[static_cast<std::size_t>(k)], r.kcrs[static_cast<std::size_t>(k + 1)]});
  }

  // The cheaper escape first; on equal speeds escape 1.
  Candidate first{r.kben1, r.rn1k};
  Candidate second{r.kben2, r.rn2k};
  if (!(std::fabs(r.rn1k) <= std::fabs(r.rn2k))) std::swap(first, second);
  const auto recommend = [&](const Candidate& escape) {
    a.escapes.push_back(
        Escape{escape.course, std::fabs(escape.speed), r.karea != 0, std::nullopt, {}, false});
  };
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
  return a;
}

Area area_of(const RoundValues& values, const CourseAdvice& courses) {
  if (values.dist < values.cpa) return Area::kInternal;
  if (courses.ranges.empty() && !courses.all_courses) return Area::kExternal;
  return Area::kDistant;
}

}  // namespace hurricane::analysis
