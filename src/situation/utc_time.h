// Times in UTC and their ISO 8601 text form.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "error/error.h"
#include "navigation/utc_time.h"

namespace hurricane::situation {

using navigation::UtcTime;

// parse_utc_time: ISO 8601 UTC, "YYYY-MM-DDTHH:MM" with optional ":SS", ending in "Z" or
// "+00:00" ("2023-09-12T18:00Z", "2023-09-12T18:00:30+00:00"). Years 1000 to 9999; the date
// must exist. Anything else is an unusable value of `field`.
Result<UtcTime> parse_utc_time(Field field, std::string_view text);

// What a time given without its month and year, or as "now", is read against.
struct TimeContext {
  UtcTime now;                       // the clock's reading when the input was read
  std::optional<UtcTime> reference;  // the advisory's time, when there is one
};

// parse_time: the forms of parse_utc_time, "now", and a date-time group "DDHHMMZ" or
// "DD/HHMMZ" ("071500Z", "07/1500Z"), taken as the nearest such moment to the reference (the
// advisory's time, else now): in its month, the month before or the month after.
Result<UtcTime> parse_time(Field field, std::string_view text, const TimeContext& context);

using navigation::format_utc_time;
using navigation::hours_between;
using navigation::nearest_day_time;

}  // namespace hurricane::situation
