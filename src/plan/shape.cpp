#include "plan/shape.h"

#include <algorithm>
#include <cmath>

namespace hurricane::plan {

bool walk_shape(const Walk& walk, const Shape& shape, Cursor& c, std::vector<Cursor>* marks) {
  if (!start(walk, c)) return false;
  const double full = walk.request().speed_kn;
  const bool voyage = walk.voyage().any();
  if (voyage && !run_voyage(walk, c, shape.hold_h)) return false;
  if (marks) marks->push_back(c);
  for (std::size_t i = 0; i < shape.legs.size(); ++i) {
    const LegShape& leg = shape.legs[i];
    const bool runs_on = !voyage && i + 1 == shape.legs.size();
    const double until = runs_on ? walk.horizon_h() : c.t + leg.hours;
    if (!run(walk, c, leg.course_deg, full * kLegSpeeds[leg.speed], until)) return false;
    if (marks) marks->push_back(c);
  }
  if (voyage) return run_voyage(walk, c, walk.horizon_h());
  if (shape.legs.empty()) return run(walk, c, 0.0, 0.0, walk.horizon_h());
  return true;
}

Scored score(const Walk& walk, const Shape& shape, const Cursor& end) {
  return {shape, walk.progress_nm(end), end.least, end.run_nm, end.arrived_h.value_or(kInfinity)};
}

double ranked_clearance(double least_nm) {
  return std::round(std::min(least_nm, kAmpleClearanceNm));
}

bool better(const Scored& a, const Scored& b) {
  const double pa = std::round(a.progress_nm), pb = std::round(b.progress_nm);
  if (pa != pb) return pa > pb;
  // Clearances alike to the whole nm tie: a hundredth of a mile must not buy an extra leg.
  const double la = ranked_clearance(a.least_nm), lb = ranked_clearance(b.least_nm);
  if (la != lb) return la > lb;
  const double aa = std::round(a.arrive_h), ab = std::round(b.arrive_h);
  if (aa != ab) return aa < ab;
  const double ra = std::round(a.run_nm), rb = std::round(b.run_nm);
  if (ra != rb) return ra < rb;
  if (a.shape.legs.size() != b.shape.legs.size()) return a.shape.legs.size() < b.shape.legs.size();
  const double alter_a = a.shape.legs.empty() ? kInfinity : a.shape.hold_h;
  const double alter_b = b.shape.legs.empty() ? kInfinity : b.shape.hold_h;
  return alter_a > alter_b;
}

}  // namespace hurricane::plan
