// A position as a navigator reads it.
#pragma once

#include <string>

namespace hurricane::plane_geometry {

// degrees_minutes: latitude and longitude (degrees, north and east positive) in degrees and
// minutes to 0.1', "24°42.0'N 066°24.0'W" (UTF-8 degree sign). Rounded to whole tenths of a
// minute first, so 24.99999 reads 25°00.0', and a part that rounds to zero takes N or E.
std::string degrees_minutes(double lat, double lon);

}  // namespace hurricane::plane_geometry
