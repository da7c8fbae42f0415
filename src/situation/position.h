// A position on the earth and its text forms.
#pragma once

#include <string>
#include <string_view>

#include "situation/error.h"

namespace hurricane::situation {

// Geographic position on the WGS84 ellipsoid, degrees: latitude in [-90, 90], north positive;
// longitude in [-180, 180], east positive.
struct LatLon {
  double lat = 0.0;
  double lon = 0.0;
};

// parse_position: "LAT,LON" in signed decimal degrees ("24.7,-66.4"), or with hemisphere
// letters as advisories write it ("24.7N,66.4W", "26.3N,179.3E"; letters in either case,
// numbers then unsigned). Blanks around either part are allowed. A latitude beyond 90 or a
// longitude beyond 180 is an unusable value of `field`.
Result<LatLon> parse_position(Field field, std::string_view text);

// format_position: "24.7N 66.4W", each part to 0.1 degree.
std::string format_position(LatLon position);

}  // namespace hurricane::situation
