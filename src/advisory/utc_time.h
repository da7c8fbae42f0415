// Calendar times in UTC as advisories state them, to the minute.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "navigation/utc_time.h"

namespace hurricane::advisory {

// A UTC time on the proleptic Gregorian calendar: month 1..12, day 1..31, hour 0..23, minute 0..59.
struct UtcTime {
  int year = 1970;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;

  friend bool operator==(const UtcTime&, const UtcTime&) = default;
};

// Days in `month` (1..12) of `year`; 0 for a month outside 1..12.
int days_in_month(int year, int month);

// Whether the fields name a real minute (the day exists in its month) of a year in 1900..2200.
bool is_valid(const UtcTime& time);

// The moment `time` names (the epoch for a time that is not valid).
navigation::UtcTime instant(const UtcTime& time);

// Seconds since 1970-01-01T00:00Z; negative before it. `time` must be valid.
std::int64_t epoch_seconds(const UtcTime& time);

// ISO 8601 with seconds and the zone letter, e.g. "2023-09-12T21:00:00Z".
std::string to_iso8601(const UtcTime& time);

// The time `day`/`hour``minute`Z (as in "AT 12/2100Z") nearest to `reference`: the day in the
// month of the reference, the month before or the one after, so a forecast point past the end of
// December lands in January of the next year. Nothing when no such time lies within 10 days of the
// reference or the fields are out of range.
std::optional<UtcTime> resolve_day_time(const UtcTime& reference, int day, int hour, int minute);

}  // namespace hurricane::advisory
