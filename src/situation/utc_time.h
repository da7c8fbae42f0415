// Times in UTC and their ISO 8601 text form.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "situation/error.h"

namespace hurricane::situation {

// A moment in UTC to the second.
using UtcTime = std::chrono::sys_seconds;

// parse_utc_time: ISO 8601 UTC, "YYYY-MM-DDTHH:MM" with optional ":SS", ending in "Z" or
// "+00:00" ("2023-09-12T18:00Z", "2023-09-12T18:00:30+00:00"). Years 1000 to 9999; the date
// must exist. Anything else is an unusable value of `field`.
Result<UtcTime> parse_utc_time(Field field, std::string_view text);

// format_utc_time: "2023-09-12T18:00:00Z".
std::string format_utc_time(UtcTime time);

// hours_between: (later - earlier) in hours, negative when `later` is earlier.
double hours_between(UtcTime earlier, UtcTime later);

}  // namespace hurricane::situation
