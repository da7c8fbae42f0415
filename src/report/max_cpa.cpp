#include "report/max_cpa.h"

#include <cmath>

#include "console/fixed_line.h"
#include "console/free_line.h"
#include "geometry/bearing.h"
#include "geometry/constants.h"
#include "geometry/timday.h"
#include "geometry/truncate.h"

namespace hurricane::report {

using console::FixedLine;
using console::FreeLine;
using geometry::qdr;
using geometry::qrd;

double write_max_cpa(const analysis::RoundValues& values, const analysis::RoundAnalysis& a,
                     console::Output& out) {
  const double dist0 = values.dist;
  const double speed = values.speed;
  const double vship = values.vship;

  double beaa = values.bear + 180;  // bearing of the ship from the centre: the course away
  geometry::norma(beaa);
  double alfa = beaa - a.beh0h1;
  geometry::normb(alfa);

  double cpa = dist0;  // the CPA that the advice states
  double becpa = 0.0;  // course for the largest CPA
  int ibecpa = 0;      // the course of the suggestion line
  int iday = 0, ihour = 0, imin = 0, isec = 0;
  if (vship > speed) {
    out.line(FreeLine().text("    CPA irrelevant, since ship faster than hurricane").str());
    ibecpa = geometry::truncate_to_int(beaa);
  } else {
    // The deviation from the track that the ship's own velocity can give the
    // relative motion, in (0, 90].
    double beta = std::asin(vship / speed) * qrd;
    geometry::normb(beta);
    const double asum1 = std::fabs(alfa + beta);
    const double asum2 = std::fabs(alfa - beta);
    const double asum = asum2 > asum1 ? asum2 : asum1;
    double gamma = 90 - asum;  // above 0: a CPA below the present distance lies ahead
    if (gamma <= 0) {
      const int icpa = geometry::truncate_to_int(values.dist + 0.5);
      out.line(FreeLine()
                   .text("    Maximum of CPA =")
                   .integer(icpa)
                   .text(" [nm] already achieved!")
                   .str());
      ibecpa = geometry::truncate_to_int(beaa);
    } else {
      geometry::norma(gamma);
      cpa = std::fabs(std::cos(gamma * qdr) * values.dist);
      const double cpadist = std::fabs(std::sin(gamma * qdr) * values.dist);
      const double rspeed = std::cos(beta * qdr) * speed;
      const double tcpa = cpadist / rspeed;  // hours
      geometry::timday(tcpa, iday, ihour, imin, isec);
      becpa = alfa >= 0 ? beaa + gamma : beaa - gamma;
      geometry::norma(becpa);
      ibecpa = geometry::truncate_to_int(becpa + 0.5);
    }
  }

  if (cpa < dist0) {
    out.line(FixedLine().text("    Maximally possible CPA =").real(cpa, 6, 1).text(" nm").str());
    out.line(FixedLine()
                 .text("    with time-to-go=")
                 .integer(iday, 3)
                 .text(" d")
                 .integer(ihour, 3)
                 .text(" h")
                 .integer(imin, 3)
                 .text(" m")
                 .integer(isec, 3)
                 .text(" s")
                 .str());
    out.line(FixedLine()
                 .text("[B] For probable CPA-max, take the course =")
                 .real(becpa, 6, 1)
                 .text(" degrees!")
                 .str());
  } else {
    out.line(
        FreeLine().text("    (Suggested course would be").integer(ibecpa).text(" degrees)").str());
  }
  out.line(FreeLine().text(" ").str());
  if (vship < speed / 2) {
    out.line(FreeLine().text("    (Slow ships may take direction orthogonal to HUR-track)").str());
  }
  return alfa;
}

}  // namespace hurricane::report
