#include "analysis/limits.h"

#include <algorithm>

namespace hurricane::analysis {

Transitions find_transitions(CourseArray& icrs) {
  for (int c = 1; c <= nc; ++c) icrs[c] = icrs[c] != 0 ? 1 : 0;  // (branch-free: vectorises)
  Transitions tr;
  int kcomp = icrs[nc];  // kcomp: verdict of the previous course
  for (int c = 1; c <= nc; ++c) {
    const int im = c == 1 ? nc : c - 1;  // im: the previous course
    const int icomp = icrs[c];           // icomp: verdict of this course
    if (icomp != kcomp) {
      if (icomp == 0) {
        ++tr.numc;
        tr.ifeld[tr.numc] = c;
        tr.kfeld[tr.numc] = 1;
      }
      if (icomp == 1) {
        ++tr.numc;
        tr.ifeld[tr.numc] = im;
        tr.kfeld[tr.numc] = -1;
      }
    }
    kcomp = icomp;
  }
  return tr;
}

void order_ranges(const Transitions& tr, CourseArray& kcrs, int& numc, console::Output& out) {
  numc = std::clamp(tr.numc, 0, nc);  // a hand-made list never reads beyond its arrays
  if (numc == 0) return;
  int s = 0;  // s: list index of the first range start
  for (int k = 1; k <= numc; ++k) {
    if (tr.kfeld[k] == 1) {
      s = k;
      break;
    }
  }
  if (s == 0) {
    out.line(" # ???????? error kfeld ????????");
    return;
  }
  for (int k = 1; k <= numc; ++k) {
    kcrs[k] = tr.ifeld[s];
    ++s;
    if (s > numc) s -= numc;
  }
}

void limits(CourseArray& icrs, CourseArray& kcrs, int& numc, console::Output& out) {
  order_ranges(find_transitions(icrs), kcrs, numc, out);
}

}  // namespace hurricane::analysis
