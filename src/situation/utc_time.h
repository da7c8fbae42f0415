// Times in UTC and their ISO 8601 text form.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "navigation/utc_time.h"
#include "situation/error.h"

namespace hurricane::situation {

using navigation::UtcTime;

// parse_utc_time: ISO 8601 UTC, "YYYY-MM-DDTHH:MM" with optional ":SS", ending in "Z" or
// "+00:00" ("2023-09-12T18:00Z", "2023-09-12T18:00:30+00:00"). Years 1000 to 9999; the date
// must exist. Anything else is an unusable value of `field`.
Result<UtcTime> parse_utc_time(Field field, std::string_view text);

using navigation::format_utc_time;
using navigation::hours_between;

}  // namespace hurricane::situation
