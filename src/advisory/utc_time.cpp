#include "advisory/utc_time.h"

#include <cstdio>

namespace hurricane::advisory {
namespace {

bool is_leap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days from 1970-01-01 to the civil date; the era arithmetic keeps every division on
// non-negative numbers (years from 0 on).
std::int64_t days_from_civil(int year, int month, int day) {
  const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
  const std::int64_t era = y / 400;
  const std::int64_t year_of_era = y - era * 400;
  const std::int64_t shifted_month = month > 2 ? month - 3 : month + 9;  // March is 0
  const std::int64_t day_of_year = (153 * shifted_month + 2) / 5 + day - 1;
  const std::int64_t day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

constexpr std::int64_t kResolveWindowSeconds = 10 * 86400;

}  // namespace

int days_in_month(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && is_leap(year)) return 29;
  return kDays[month - 1];
}

bool is_valid(const UtcTime& time) {
  return time.year >= 1900 && time.year <= 2200 && time.month >= 1 && time.month <= 12 &&
         time.day >= 1 && time.day <= days_in_month(time.year, time.month) && time.hour >= 0 &&
         time.hour <= 23 && time.minute >= 0 && time.minute <= 59;
}

std::int64_t epoch_seconds(const UtcTime& time) {
  return days_from_civil(time.year, time.month, time.day) * 86400 + time.hour * 3600 +
         time.minute * 60;
}

std::string to_iso8601(const UtcTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:00Z", time.year, time.month, time.day,
                time.hour, time.minute);
  return text;
}

std::optional<UtcTime> resolve_day_time(const UtcTime& reference, int day, int hour, int minute) {
  if (!is_valid(reference)) return std::nullopt;
  const std::int64_t at = epoch_seconds(reference);
  std::optional<UtcTime> best;
  std::int64_t best_distance = kResolveWindowSeconds + 1;
  for (int shift = -1; shift <= 1; ++shift) {
    UtcTime candidate{reference.year, reference.month + shift, day, hour, minute};
    if (candidate.month < 1) {
      candidate.month = 12;
      --candidate.year;
    } else if (candidate.month > 12) {
      candidate.month = 1;
      ++candidate.year;
    }
    if (!is_valid(candidate)) continue;
    const std::int64_t difference = epoch_seconds(candidate) - at;
    const std::int64_t distance = difference < 0 ? -difference : difference;
    if (distance < best_distance) {
      best = candidate;
      best_distance = distance;
    }
  }
  return best;
}

}  // namespace hurricane::advisory
