#include "analysis/advice.h"

#include <algorithm>
#include <cstddef>

#include "analysis/escapes.h"
#include "analysis/max_cpa.h"
#include "analysis/round_analysis.h"

namespace hurricane::analysis {

const char* area_name(Area area) {
  switch (area) {
    case Area::kInternal:
      return "internal";
    case Area::kExternal:
      return "external";
    case Area::kDistant:
      return "distant";
  }
  return "distant";
}

Advice advise(const RoundValues& values, Hemisphere hemisphere) {
  const RoundAnalysis r = analyse_round(values);
  Advice a;
  a.values = values;
  a.hemisphere = hemisphere;

  a.ph0 = r.ph0;
  a.pa = r.pa;
  a.ph1 = r.ph1;
  a.bec = r.bec;
  a.be1 = r.be1;
  a.be2 = r.be2;
  a.beh0h1 = r.beh0h1;
  a.kdir = r.kdir;
  a.kben1 = r.kben1;
  a.kben2 = r.kben2;
  a.rn1k = r.rn1k;
  a.rn2k = r.rn2k;
  a.kanti = r.kanti;
  a.karea = r.karea;

  std::copy_n(r.codes.begin(), a.codes.size(), a.codes.begin());
  a.numc = r.numc;
  a.limits_error = r.limits_error;
  for (int k = 1; k + 1 <= r.numc; k += 2) {
    a.ranges.push_back(
        CourseRange{r.kcrs[static_cast<std::size_t>(k)], r.kcrs[static_cast<std::size_t>(k + 1)]});
  }

  escape_advice(values, r, a);
  a.max_cpa = max_cpa(values, r.beh0h1, a.alfa);
  a.dangerous_quarter = dangerous_quarter(a.alfa, hemisphere);
  return a;
}

}  // namespace hurricane::analysis
