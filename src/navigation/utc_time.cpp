#include "navigation/utc_time.h"

#include <cmath>
#include <cstdio>

namespace hurricane::navigation {
namespace {

// The moment `day` HH:MM in `month`, if that day exists.
std::optional<UtcTime> day_in_month(std::chrono::year_month month, int day, int hour, int minute) {
  const std::chrono::year_month_day date = month / std::chrono::day{static_cast<unsigned>(day)};
  if (!date.ok()) return std::nullopt;
  return std::chrono::sys_days{date} + std::chrono::hours{hour} + std::chrono::minutes{minute};
}

}  // namespace

std::optional<UtcTime> civil_time(int year, int month, int day, int hour, int minute, int second) {
  if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year{year},
                                         std::chrono::month{static_cast<unsigned>(month)},
                                         std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok()) return std::nullopt;
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    return std::nullopt;
  }
  return std::chrono::sys_days{date} + std::chrono::hours{hour} + std::chrono::minutes{minute} +
         std::chrono::seconds{second};
}

CivilTime civil_fields(UtcTime time) {
  const auto day = std::chrono::floor<std::chrono::days>(time);
  const std::chrono::year_month_day date{day};
  const std::chrono::hh_mm_ss clock{time - day};
  return {static_cast<int>(date.year()),
          static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())),
          static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()),
          static_cast<int>(clock.seconds().count())};
}

std::optional<UtcTime> nearest_day_time(UtcTime reference, int day, int hour, int minute) {
  if (day < 1 || day > 31 || hour < 0 || hour > 23 || minute < 0 || minute > 59) {
    return std::nullopt;
  }
  const std::chrono::year_month_day date{std::chrono::floor<std::chrono::days>(reference)};
  const std::chrono::year_month month = date.year() / date.month();
  std::optional<UtcTime> nearest;
  for (const std::chrono::months offset :
       {std::chrono::months{-1}, std::chrono::months{0}, std::chrono::months{1}}) {
    const std::optional<UtcTime> candidate = day_in_month(month + offset, day, hour, minute);
    if (!candidate) continue;
    if (!nearest ||
        std::chrono::abs(*candidate - reference) < std::chrono::abs(*nearest - reference)) {
      nearest = candidate;
    }
  }
  return nearest;
}

std::string format_utc_time(UtcTime time) {
  const CivilTime f = civil_fields(time);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", f.year, f.month, f.day, f.hour,
                f.minute, f.second);
  return text;
}

std::string format_day_time(UtcTime time) {
  const CivilTime f = civil_fields(time);
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d%02dZ", f.day, f.hour, f.minute);
  return text;
}

double hours_between(UtcTime earlier, UtcTime later) {
  return static_cast<double>((later - earlier).count()) / 3600.0;
}

UtcTime add_hours(UtcTime from, double hours) {
  return from + std::chrono::seconds(static_cast<long long>(std::llround(hours * 3600.0)));
}

}  // namespace hurricane::navigation
