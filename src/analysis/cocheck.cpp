#include "analysis/cocheck.h"

#include "analysis/cone.h"

namespace hurricane::analysis {

void cocheck(double xx, double yy, Point ph0, double& be1, double bec, double& be2, double dspeed,
             int& ibase) {
  const Cone cone = prepare_cone(ph0, be1, bec, be2, dspeed);
  be1 = cone.inside.w1;
  be2 = cone.inside.w2;
  ibase = cocheck(cone, xx, yy);
}

}  // namespace hurricane::analysis
