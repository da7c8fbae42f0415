// A "RADIUS OF nnn KT WINDS" group of a JTWC warning: its first line and the indented lines
// that continue it, by quadrant, semicircle or ELSEWHERE, until every quadrant has a radius.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "advisory/jtwc_lines.h"
#include "advisory/storm.h"
#include "error/error.h"

namespace hurricane::advisory {

// The group read so far.
struct RadiiGroup {
  int threshold_kt = 0;
  QuadrantRadii radii;
  std::array<bool, 4> given{};
  std::size_t index = 0;                         // of the RADIUS line
  std::optional<QuadrantRadii>* slot = nullptr;  // where the radii go once complete
};

// add_radius: the entry's radius for the quadrants it names (ELSEWHERE: those not yet given);
// what is wrong when it names a quadrant a second time or none is left.
std::optional<Error> add_radius(RadiiGroup& group, const RadiusEntry& entry);

// is_complete: every quadrant has its radius.
bool is_complete(const RadiiGroup& group);

}  // namespace hurricane::advisory
