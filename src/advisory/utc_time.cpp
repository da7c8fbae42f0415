#include "advisory/utc_time.h"

#include <cstdio>

namespace hurricane::advisory {
namespace {

constexpr std::int64_t kResolveWindowSeconds = 10 * 86400;

}  // namespace

int days_in_month(int year, int month) {
  if (month < 1 || month > 12) return 0;
  const std::chrono::year_month_day_last last{std::chrono::year{year} /
                                              std::chrono::month{static_cast<unsigned>(month)} /
                                              std::chrono::last};
  return static_cast<int>(static_cast<unsigned>(last.day()));
}

bool is_valid(const UtcTime& time) {
  return time.year >= 1900 && time.year <= 2200 &&
         navigation::civil_time(time.year, time.month, time.day, time.hour, time.minute);
}

navigation::UtcTime instant(const UtcTime& time) {
  return navigation::civil_time(time.year, time.month, time.day, time.hour, time.minute)
      .value_or(navigation::UtcTime{});
}

std::int64_t epoch_seconds(const UtcTime& time) {
  return instant(time).time_since_epoch().count();
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
