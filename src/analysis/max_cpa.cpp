#include "analysis/max_cpa.h"

#include <cmath>

#include "geometry/bearing.h"
#include "geometry/constants.h"
#include "geometry/timday.h"
#include "geometry/truncate.h"

namespace hurricane::analysis {

using geometry::qdr;
using geometry::qrd;

MaxCpa max_cpa(const RoundValues& values, double beh0h1, double& alfa) {
  const double speed = values.speed;
  const double vship = values.vship;

  double beaa = values.bear + 180;  // bearing of the ship from the centre: the course away
  geometry::norma(beaa);
  alfa = beaa - beh0h1;
  geometry::normb(alfa);

  MaxCpa b;
  b.cpa = values.dist;
  b.icpa = geometry::truncate_to_int(values.dist + 0.5);
  if (vship > speed) {
    b.kind = CpaCase::kFaster;
    b.ibecpa = geometry::truncate_to_int(beaa);
  } else {
    // The deviation from the track that the ship's own velocity can give the relative
    // motion, in (0, 90].
    double beta = std::asin(vship / speed) * qrd;
    geometry::normb(beta);
    const double asum1 = std::fabs(alfa + beta);
    const double asum2 = std::fabs(alfa - beta);
    const double asum = asum2 > asum1 ? asum2 : asum1;
    double gamma = 90 - asum;  // above 0: a CPA below the present distance lies ahead
    if (gamma <= 0) {
      b.kind = CpaCase::kAchieved;
      b.ibecpa = geometry::truncate_to_int(beaa);
    } else {
      b.kind = CpaCase::kCpaAhead;
      geometry::norma(gamma);
      b.cpa = std::fabs(std::cos(gamma * qdr) * values.dist);
      const double cpadist = std::fabs(std::sin(gamma * qdr) * values.dist);
      const double rspeed = std::cos(beta * qdr) * speed;
      b.tcpa = cpadist / rspeed;
      geometry::timday(b.tcpa, b.iday, b.ihour, b.imin, b.isec);
      b.becpa = alfa >= 0 ? beaa + gamma : beaa - gamma;
      geometry::norma(b.becpa);
      b.ibecpa = geometry::truncate_to_int(b.becpa + 0.5);
    }
  }
  b.cpa_block = b.cpa < values.dist;
  b.slow_ship_hint = vship < speed / 2;
  return b;
}

bool dangerous_quarter(double alfa, Hemisphere hemisphere) {
  const bool ahead = std::fabs(alfa) < 90;
  return ahead && (hemisphere == Hemisphere::kSouth ? alfa < 0 : alfa > 0);
}

}  // namespace hurricane::analysis
