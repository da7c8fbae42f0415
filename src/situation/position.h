// A position on the earth and its text forms.
#pragma once

#include <string>
#include <string_view>

#include "error/error.h"
#include "navigation/position.h"

namespace hurricane::situation {

using navigation::LatLon;

// parse_position: a latitude then a longitude, separated by a comma or blanks. Each is signed
// decimal degrees ("24.7,-66.4") or unsigned with its hemisphere letter, in either case, as
// decimal degrees ("24.7N", "66.4W") or degrees and minutes: "24 42.0N", "24-42.0N",
// "24°42.0'N" (degree sign in UTF-8 or Latin-1, minute sign optional) or packed "2442.0N",
// "06624.0W" (more integer digits than whole degrees can have: the last two are minutes).
// Minutes must be below 60; a latitude beyond 90 or a longitude beyond 180 is refused. Errors
// are unusable values of `field` and keep the text as given.
Result<LatLon> parse_position(Field field, std::string_view text);

// format_position: degrees and minutes to 0.1', "24°42.0'N 066°24.0'W" (UTF-8 degree sign).
std::string format_position(LatLon position);

}  // namespace hurricane::situation
