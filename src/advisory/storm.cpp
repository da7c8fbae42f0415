#include "advisory/storm.h"

namespace hurricane::advisory {

const char* quadrant_name(Quadrant quadrant) {
  switch (quadrant) {
    case Quadrant::kNE:
      return "NE";
    case Quadrant::kSE:
      return "SE";
    case Quadrant::kSW:
      return "SW";
    case Quadrant::kNW:
      return "NW";
  }
  return "?";
}

std::optional<QuadrantRadius> largest_34kt_radius(const Storm& storm) {
  if (!storm.radii.kt34) return std::nullopt;
  QuadrantRadius largest;
  for (const Quadrant quadrant : kQuadrants) {
    const int nm = (*storm.radii.kt34)[quadrant];
    if (nm > largest.nm) largest = {quadrant, nm};
  }
  if (largest.nm == 0) return std::nullopt;
  return largest;
}

}  // namespace hurricane::advisory
