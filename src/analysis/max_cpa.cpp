#include "analysis/max_cpa.h"

#include <cmath>

#include "plane_geometry/bearing.h"
#include "plane_geometry/constants.h"
#include "plane_geometry/truncate.h"

namespace hurricane::analysis {

using plane_geometry::qdr;
using plane_geometry::qrd;

namespace {

// The course straight away from the storm: the bearing of the ship seen from its centre.
double course_away(double bearing) {
  double beaa = bearing + 180;
  plane_geometry::norma(beaa);
  return beaa;
}

// The storm's motion relative to a ship steering `course` (degrees) at `vship` kn, and the
// point of that motion closest to the ship, both as offsets.
void relative_motion(MaxCpa& b, double course, double vship, Offset storm, Offset velocity) {
  b.relative_velocity = {velocity.north - vship * std::cos(course * qdr),
                         velocity.east - vship * std::sin(course * qdr)};
  const double speed = std::hypot(b.relative_velocity.north, b.relative_velocity.east);
  if (!(speed > 0) || !std::isfinite(speed)) {
    b.cpa_point = storm;
    return;
  }
  const double un = b.relative_velocity.north / speed;
  const double ue = b.relative_velocity.east / speed;
  const double along = -(storm.north * un + storm.east * ue);  // nm from the centre to the CPA
  b.cpa_point = {storm.north + un * along, storm.east + ue * along};
}

}  // namespace

double track_angle(double bearing, double track) {
  double alfa = course_away(bearing) - track;
  plane_geometry::normb(alfa);
  return alfa;
}

MaxCpa max_cpa(const RoundValues& values, double alfa, Offset storm, Offset velocity) {
  const double speed = values.speed;
  const double vship = values.vship;
  const double beaa = course_away(values.bear);

  MaxCpa b;
  b.cpa = values.dist;
  b.cpa_point = storm;
  b.suggested_course = plane_geometry::truncate_to_int(beaa);
  double becpa = 0.0;  // course for the largest CPA ahead
  double tcpa = 0.0;   // hours to that CPA
  if (vship > speed) {
    b.kind = CpaCase::kFaster;
  } else {
    // The deviation from the track that the ship's own velocity can give the relative
    // motion, in (0, 90].
    double beta = std::asin(vship / speed) * qrd;
    plane_geometry::normb(beta);
    const double asum1 = std::fabs(alfa + beta);
    const double asum2 = std::fabs(alfa - beta);
    const double asum = asum2 > asum1 ? asum2 : asum1;
    double gamma = 90 - asum;  // above 0: a CPA below the present distance lies ahead
    if (gamma <= 0) {
      b.kind = CpaCase::kAchieved;
    } else {
      b.kind = CpaCase::kCpaAhead;
      plane_geometry::norma(gamma);
      b.cpa = std::fabs(std::cos(gamma * qdr) * values.dist);
      const double cpadist = std::fabs(std::sin(gamma * qdr) * values.dist);
      const double rspeed = std::cos(beta * qdr) * speed;
      tcpa = cpadist / rspeed;
      becpa = alfa >= 0 ? beaa + gamma : beaa - gamma;
      plane_geometry::norma(becpa);
      b.suggested_course = plane_geometry::truncate_to_int(becpa + 0.5);
    }
  }
  // Only a CPA below the present distance makes a course worth stating.
  if (b.cpa < values.dist) {
    b.course = becpa;
    b.time_to_go = Hours(tcpa);
    relative_motion(b, becpa, vship, storm, velocity);
  }
  b.slow_ship_hint = vship < speed / 2;
  return b;
}

Verdict verdict(Area area, double alfa, Hemisphere hemisphere) {
  const bool south = hemisphere == Hemisphere::kSouth;
  Verdict v;
  v.area = area;
  v.dangerous_side = south ? TrackSide::kLeft : TrackSide::kRight;
  v.keep_wind_on = south ? WindSide::kPort : WindSide::kStarboard;
  const bool ahead = std::fabs(alfa) < 90;
  v.in_dangerous_quarter = ahead && (south ? alfa < 0 : alfa > 0);
  return v;
}

}  // namespace hurricane::analysis
