#include "analysis/advice.h"

#include <cmath>

#include "analysis/escapes.h"
#include "analysis/max_cpa.h"
#include "analysis/round_analysis.h"

namespace hurricane::analysis {

namespace {

// The picture's part of the situation model: the plane centred on the storm turned into
// offsets from the ship.
Drawing drawing_of(const RoundAnalysis& r) {
  Drawing d;
  d.storm = {r.ph0.x - r.pa.x, r.ph0.y - r.pa.y};
  d.storm_velocity = {r.ph1.x - r.ph0.x, r.ph1.y - r.ph0.y};
  d.track = r.beh0h1;
  if (std::isfinite(r.be1) && std::isfinite(r.be2)) d.cone = DangerCone{r.be1, r.be2};
  return d;
}

}  // namespace

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

const char* hemisphere_name(Hemisphere hemisphere) {
  return hemisphere == Hemisphere::kSouth ? "south" : "north";
}

Advice advise(const RoundValues& values, Hemisphere hemisphere) {
  const RoundAnalysis r = analyse_round(values);
  Advice a;
  a.values = values;
  a.hemisphere = hemisphere;
  a.drawing = drawing_of(r);
  a.courses = course_advice(r);
  const double alfa = track_angle(values.bear, r.beh0h1);
  a.max_cpa = max_cpa(values, alfa, a.drawing.storm, a.drawing.storm_velocity);
  a.verdict = verdict(area_of(values, a.courses), alfa, hemisphere);
  a.max_cpa.ship_cannot_move = !(values.vship > kLeastShipSpeed);
  if (!a.max_cpa.ship_cannot_move) {
    for (Escape& escape : a.courses.escapes) {
      escape.speed_needed_fraction = escape.speed / values.vship;
      escape.little_reserve = escape.speed_shown && *escape.speed_needed_fraction > kLittleReserve;
    }
  }
  return a;
}

}  // namespace hurricane::analysis
