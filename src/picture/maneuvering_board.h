// The maneuvering board of one round's advice as a self-contained SVG document.
//
// Ship-centred and north up: range rings in nautical miles, the bearing ring with the open
// and closed courses of advice [A], the storm with its track and positions ahead (along the
// forecast track with its wind radii when an advisory gave one, else along the present
// motion), the distance to keep, the dangerous quarter, the escape arrows, advice [B]'s course
// with its relative motion line and CPA point, an inset with the velocity diagram, and a
// legend of what is drawn. Every element that carries advice also carries it as data
// attributes:
//   class="admissible" data-first data-last      each open course range (whole degrees)
//   class="storm" data-bearing data-distance     the storm's centre seen from the ship
//   class="cpa" data-cpa-nm data-tcpa-h          the CPA point of advice [B]
//   class="escape" | "max-cpa" | "away"          course arrows, with data-course
//   class="forecast-position" data-hours data-time data-lat data-lon data-north-nm
//     data-east-nm, drawn at (cx, cy)            the storm ahead along its forecast
//   class="wind-radii" data-hours data-kt data-ne-nm data-se-nm data-sw-nm data-nw-nm
//   class="legend-entry" data-item               the class of what the entry explains
// The numbers in data attributes read back as the exact values of the advice.
#pragma once

#include <string>

#include "analysis/advice.h"

namespace hurricane::picture {

struct PictureOptions {
  bool night = false;  // red on black, for the bridge at night
};

// maneuvering_board: the SVG document (UTF-8) of `advice`. Pure: no I/O. Never writes a
// NaN or an infinity; what a situation without a solution lacks is said in the caption.
std::string maneuvering_board(const analysis::Advice& advice, const PictureOptions& options = {});

}  // namespace hurricane::picture
