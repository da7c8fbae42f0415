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

// The calendar fields of a moment, for texts and for rules that go by year or month.
struct CivilTime {
  int year = 1970;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};
CivilTime civil_fields(UtcTime time);

// nearest_day_time: the moment of `day` at `hour`:`minute` nearest `reference`, in the
// reference's month or the one before or after (so the 1st after a 31 December is in January).
// Nothing when the fields are out of range or no such day exists in those three months.
std::optional<UtcTime> nearest_day_time(UtcTime reference, int day, int hour, int minute);

// format_utc_time: ISO 8601 with seconds and the zone letter: "2023-09-12T18:00:00Z".
std::string format_utc_time(UtcTime time);

// format_day_time: day of the month, hours and minutes, as advisories write times: "12/2100Z".
std::string format_day_time(UtcTime time);

// hours_between: (later - earlier) in hours, negative when `later` is earlier.
double hours_between(UtcTime earlier, UtcTime later);

// add_hours: `from` plus `hours` (any sign), to the nearest second.
UtcTime add_hours(UtcTime from, double hours);

}  // namespace hurricane::navigation
