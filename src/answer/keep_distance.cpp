#include "answer/keep_distance.h"

#include <cstdio>

namespace hurricane::answer {

std::string nm_text(double nm) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", nm);
  return text;
}

std::optional<KeepDistance> keep_from_radii(const advisory::Storm& storm,
                                            std::optional<double> margin_nm) {
  const std::optional<advisory::QuadrantRadius> largest = advisory::largest_34kt_radius(storm);
  if (!largest) return std::nullopt;
  KeepDistance keep;
  keep.nm = largest->nm;
  keep.source = nm_text(largest->nm) + " nm 34-kt radius (" +
                advisory::quadrant_name(largest->quadrant) + ")";
  if (storm.accuracy_nm) {
    keep.nm += *storm.accuracy_nm;
    keep.source += " + " + nm_text(*storm.accuracy_nm) + " nm position accuracy";
  }
  if (margin_nm) {
    keep.nm += *margin_nm;
    keep.source += " + " + nm_text(*margin_nm) + " nm margin";
  }
  keep.source += " = " + nm_text(keep.nm) + " nm";
  return keep;
}

KeepDistance keep_given(double nm) {
  return {nm, nm_text(nm) + " nm given"};
}

}  // namespace hurricane::answer
