// Moments in UTC, as every area states them: std::chrono's system clock to the second.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace hurricane::navigation {

// A moment in UTC to the second.
using UtcTime = std::chrono::sys_seconds;

// civil_time: the moment of a calendar date and time of day in UTC (month 1..12, day of the
// month, hour 0..23, minute 0..59, second 0..59); nothing when no such moment exists.
std::optional<UtcTime> civil_time(int year, int month, int day, int hour, int minute,
                                  int second = 0);

// format_utc_time: ISO 8601 with seconds and the zone letter: "2023-09-12T18:00:00Z".
std::string format_utc_time(UtcTime time);

// hours_between: (later - earlier) in hours, negative when `later` is earlier.
double hours_between(UtcTime earlier, UtcTime later);

}  // namespace hurricane::navigation
