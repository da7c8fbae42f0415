#include "analysis/limits.h"

#include <algorithm>
#include <cstddef>

namespace hurricane::analysis {
namespace {

constexpr std::size_t kCourses = nc;  // the courses 1..360 as an index bound

}  // namespace

Transitions find_transitions(CourseArray& icrs) {
  for (std::size_t c = 1; c <= kCourses; ++c) icrs[c] = icrs[c] != 0 ? 1 : 0;  // vectorises
  Transitions tr;
  int kcomp = icrs[kCourses];  // kcomp: verdict of the previous course
  for (std::size_t c = 1; c <= kCourses; ++c) {
    const std::size_t im = c == 1 ? kCourses : c - 1;  // im: the previous course
    const int icomp = icrs[c];                         // icomp: verdict of this course
    if (icomp != kcomp) {
      const auto n = static_cast<std::size_t>(++tr.numc);
      tr.ifeld[n] = static_cast<int>(icomp == 0 ? c : im);
      tr.kfeld[n] = icomp == 0 ? 1 : -1;
    }
    kcomp = icomp;
  }
  return tr;
}

bool order_ranges(const Transitions& tr, CourseArray& kcrs, int& numc) {
  numc = std::clamp(tr.numc, 0, nc);  // a hand-made list never reads beyond its arrays
  const auto count = static_cast<std::size_t>(numc);
  if (count == 0) return false;
  std::size_t s = 0;  // s: list index of the first range start
  for (std::size_t k = 1; k <= count; ++k) {
    if (tr.kfeld[k] == 1) {
      s = k;
      break;
    }
  }
  if (s == 0) return true;
  for (std::size_t k = 1; k <= count; ++k) {
    kcrs[k] = tr.ifeld[s];
    ++s;
    if (s > count) s -= count;
  }
  return false;
}

bool limits(CourseArray& icrs, CourseArray& kcrs, int& numc) {
  return order_ranges(find_transitions(icrs), kcrs, numc);
}

}  // namespace hurricane::analysis
