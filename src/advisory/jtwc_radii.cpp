#include "advisory/jtwc_radii.h"

#include "advisory/result.h"

namespace hurricane::advisory {

std::optional<Error> add_radius(RadiiGroup& group, const RadiusEntry& entry) {
  bool any = false;
  for (std::size_t q = 0; q < 4; ++q) {
    const bool named = entry.elsewhere ? !group.given[q] : entry.quadrants[q];
    if (!named) continue;
    if (group.given[q]) {
      return line_error("a second " + std::string(quadrant_name(kQuadrants[q])) +
                        " radius of the " + std::to_string(group.threshold_kt) + "-kt winds");
    }
    group.given[q] = true;
    group.radii.nm[q] = entry.nm;
    any = true;
  }
  if (!any) return line_error("ELSEWHERE after all four quadrants have a radius");
  return std::nullopt;
}

bool is_complete(const RadiiGroup& group) {
  return group.given[0] && group.given[1] && group.given[2] && group.given[3];
}

}  // namespace hurricane::advisory
