#include "analysis/round_values.h"

#include <cmath>

#include "plane_geometry/constants.h"
#include "plane_geometry/truncate.h"

namespace hurricane::analysis {

RoundValues round_values(const Answers& answers) {
  RoundValues v;
  v.dist = std::fabs(answers.dist0);
  v.bear = std::fabs(answers.bear0);
  v.track = std::fabs(answers.track0);
  v.speed = std::fabs(answers.speed0);
  v.cpa = std::fabs(answers.cpa0);
  const double vship = std::fabs(answers.vship0);
  v.vship = vship < kLeastShipSpeed ? kLeastShipSpeed : vship;
  v.dspeed = v.speed * 0.5;
  return v;
}

Hemisphere hemisphere_of(double answer) {
  const int nosu = plane_geometry::truncate_to_int(answer + plane_geometry::tenth_single);
  return nosu > 1 ? Hemisphere::kSouth : Hemisphere::kNorth;
}

}  // namespace hurricane::analysis
