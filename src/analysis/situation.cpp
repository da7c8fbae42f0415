#include "analysis/situation.h"

#include <cmath>

#include "analysis/cocheck.h"
#include "plane_geometry/bearing.h"
#include "plane_geometry/constants.h"
#include "plane_geometry/position.h"
#include "plane_geometry/sector.h"
#include "plane_geometry/tangent.h"
#include "plane_geometry/truncate.h"

namespace hurricane::analysis {

using plane_geometry::norma;
using plane_geometry::qdr;
using plane_geometry::truncate_to_int;

void model_situation(const RoundValues& v, RoundAnalysis& r) {
  // Position: the ship as seen from the hurricane's centre, the origin.
  double be = v.bear;  // be: scratch bearing, reduced by xbepo
  double ra = v.dist;  // ra: scratch range
  double px = 0.0;     // the hurricane as seen from the ship
  double py = 0.0;
  plane_geometry::xbepo(be, ra, px, py);
  r.ph0 = Point{0.0, 0.0};
  r.pa = Point{0.0 - px, 0.0 - py};

  // Velocity V, drawn from the origin.
  be = v.track;
  ra = v.speed;
  double vx = 0.0;
  double vy = 0.0;
  plane_geometry::xbepo(be, ra, vx, vy);
  r.ph1 = Point{vx + r.ph0.x, vy + r.ph0.y};

  // Danger cone: tangents from the origin to the critical circle around the ship.
  double rb = v.cpa;  // rb: scratch radius, made non-negative by tangt
  double xt1 = 0.0;   // tangent points (not used)
  double yt1 = 0.0;
  double xt2 = 0.0;
  double yt2 = 0.0;
  plane_geometry::tangt(r.ph0.x, r.ph0.y, r.pa.x, r.pa.y, rb, xt1, yt1, xt2, yt2, r.bec, r.be1,
                        r.be2);

  // Track bearing.
  double rah = 0.0;  // range of V (not used)
  plane_geometry::xpobe(r.ph1.x - r.ph0.x, r.ph1.y - r.ph0.y, r.beh0h1, rah);

  // Edge angles, relative to the track.
  const double w1 = r.be1 - r.beh0h1;
  const double w2 = r.be2 - r.beh0h1;

  // Escape courses straight out across each edge, rounded half up; NaN edges give 0.
  double ben1 = (r.be1 - 90.0) + 180.5;  // ben1: escape course across edge 1, plus one half
  double ben2 = (r.be2 + 90.0) + 180.5;  // ben2: escape course across edge 2, plus one half
  norma(ben1);
  norma(ben2);
  r.kben1 = truncate_to_int(ben1);
  r.kben2 = truncate_to_int(ben2);

  // Distances of V's tip from the edge lines.
  r.rn1 = std::fabs(std::sin(w1 * qdr) * v.speed);
  r.rn2 = std::fabs(std::sin(w2 * qdr) * v.speed);

  // Track zone relative to the cone.
  plane_geometry::wcheck(r.be1, r.be2, r.beh0h1, r.kdir);

  // Course straight away from the hurricane, rounded half up.
  double hh = v.bear + 180.0;  // hh: bearing away from the hurricane
  norma(hh);
  r.kanti = truncate_to_int(hh + 0.5);

  // Staying in place: the relative-velocity point is V itself.
  cocheck(r.ph1.x, r.ph1.y, r.ph0, r.be1, r.bec, r.be2, v.dspeed, r.karea);

  // Minimal ship speeds for the two escapes: the edge distance plus the margin, or the margin
  // less the distance where V already lies beyond that edge. A hurricane moving away (zone 2)
  // gets the inside-cone formula, so the speeds are always defined by this round alone.
  const double u = v.dspeed;
  switch (r.kdir) {
    case -1:
      r.rn1k = u - r.rn1;
      r.rn2k = u + r.rn2;
      break;
    case 1:
      r.rn1k = u + r.rn1;
      r.rn2k = u - r.rn2;
      break;
    default:
      r.rn1k = u + r.rn1;
      r.rn2k = u + r.rn2;
      break;
  }
}

}  // namespace hurricane::analysis
