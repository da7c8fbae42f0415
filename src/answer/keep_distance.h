// The distance to keep from the centre as an advisory suggests it: the largest 34-kt radius
// widened by the position's uncertainty and the navigator's margin.
#pragma once

#include <optional>
#include <string>

#include "advisory/storm.h"

namespace hurricane::answer {

struct KeepDistance {
  double nm = 0.0;
  std::string source;  // how it was formed, e.g. "210 nm 34-kt radius (NE) + 20 nm position
                       // accuracy = 230 nm"
};

// keep_from_radii: the largest 34-kt radius of the present position, plus the position
// accuracy when the advisory gives one, plus `margin_nm` when given (finite, not negative).
// Nothing when the storm has no 34-kt winds (a depression).
std::optional<KeepDistance> keep_from_radii(const advisory::Storm& storm,
                                            std::optional<double> margin_nm);

// keep_given: a distance given by the navigator, "150 nm given".
KeepDistance keep_given(double nm);

// nm_text: a distance as it is written in the sources above: "20", "12.5", "0.25".
std::string nm_text(double nm);

}  // namespace hurricane::answer
