// A position on the earth and its text forms.
#pragma once

#include <string>
#include <string_view>

#include "navigation/position.h"
#include "situation/error.h"

namespace hurricane::situation {

using navigation::LatLon;

// parse_position: "LAT,LON" in signed decimal degrees ("24.7,-66.4"), or with hemisphere
// letters as advisories write it ("24.7N,66.4W", "26.3N,179.3E"; letters in either case,
// numbers then unsigned). Blanks around either part are allowed. A latitude beyond 90 or a
// longitude beyond 180 is an unusable value of `field`.
Result<LatLon> parse_position(Field field, std::string_view text);

// format_position: "24.7N 66.4W", each part to 0.1 degree.
std::string format_position(LatLon position);

}  // namespace hurricane::situation
