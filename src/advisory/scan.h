// Reading the fields of one advisory line from left to right. Each take_* skips blanks first,
// consumes what it reads and returns it, or returns nothing (or false) leaving the cursor where
// the field was expected.
#pragma once

#include <optional>
#include <string_view>

#include "advisory/storm.h"

namespace hurricane::advisory {

struct Cursor {
  std::string_view rest;  // what is still to be read
};

// Day of month and time of day, as in "12/2100Z".
struct DayTime {
  int day = 0;
  int hour = 0;
  int minute = 0;
};

// Only blanks are left.
bool at_end(Cursor cursor);

// The exact characters `word`.
bool take_word(Cursor& cursor, std::string_view word);

// One or more '.' (as in "KT......." or "SEAS..").
bool take_dots(Cursor& cursor);

// An unsigned decimal of 1 to `max_digits` digits, not followed by another digit.
std::optional<int> take_int(Cursor& cursor, int max_digits);

// "24.7N  66.4W": degrees with at most one decimal and a hemisphere letter, latitude up to 90,
// longitude up to 180 (179.3E, 179.8W); below one degree the zero may be left out (".5W").
std::optional<LatLon> take_position(Cursor& cursor);

// "12/2100Z": day 1..31, hour 0..23, minute 0..59.
std::optional<DayTime> take_day_time(Cursor& cursor);

// "110NE 100SE  60SW  70NW" with an optional closing '.': four radii of up to 4 digits, each
// followed by its quadrant, in this order.
std::optional<QuadrantRadii> take_quadrant_radii(Cursor& cursor);

}  // namespace hurricane::advisory
