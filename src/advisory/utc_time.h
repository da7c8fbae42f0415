// Times as advisories state them: a calendar date and time to the minute, or a day of the month
// and time ("12/2100Z") that the product's own date places.
#pragma once

#include <optional>

#include "navigation/utc_time.h"

namespace hurricane::advisory {

using navigation::UtcTime;

// The years a product may state; a year outside them is a misread, not a storm.
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2200;

// stated_time: the moment a product's date and time name, when it exists and its year lies in
// kFirstYear..kLastYear.
std::optional<UtcTime> stated_time(int year, int month, int day, int hour, int minute);

// resolve_day_time: the time `day`/`hour``minute`Z (as in "AT 12/2100Z") nearest to `reference`:
// the day in the month of the reference, the month before or the one after, so a forecast point
// past the end of December lands in January of the next year. Nothing when no such time lies
// within 10 days of the reference or the fields are out of range.
std::optional<UtcTime> resolve_day_time(UtcTime reference, int day, int hour, int minute);

}  // namespace hurricane::advisory
