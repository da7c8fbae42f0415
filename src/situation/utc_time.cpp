#include "situation/utc_time.h"

#include <cstdio>
#include <optional>

namespace hurricane::situation {
namespace {

// Reads exactly `width` digits at `at` into `value`; false if any is not a digit.
bool read_digits(std::string_view text, std::size_t at, std::size_t width, int& value) {
  if (at + width > text.size()) return false;
  value = 0;
  for (std::size_t i = at; i < at + width; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

bool is_at(std::string_view text, std::size_t at, char c) {
  return at < text.size() && text[at] == c;
}

// A date-time group: "DDHHMMZ" or "DD/HHMMZ". False when the text has neither form.
bool read_date_time_group(std::string_view text, int& day, int& hour, int& minute) {
  if (text.empty() || (text.back() != 'Z' && text.back() != 'z')) return false;
  text.remove_suffix(1);
  if (text.size() == 7 && text[2] == '/') {
    return read_digits(text, 0, 2, day) && read_digits(text, 3, 2, hour) &&
           read_digits(text, 5, 2, minute);
  }
  return text.size() == 6 && read_digits(text, 0, 2, day) && read_digits(text, 2, 2, hour) &&
         read_digits(text, 4, 2, minute);
}

}  // namespace

Result<UtcTime> parse_time(Field field, std::string_view text, const TimeContext& context) {
  if (text == "now") return context.now;
  int day = 0, hour = 0, minute = 0;
  if (!read_date_time_group(text, day, hour, minute)) return parse_utc_time(field, text);
  const std::optional<UtcTime> time =
      nearest_day_time(context.reference.value_or(context.now), day, hour, minute);
  if (!time) {
    return Error{ErrorKind::kUnusable, field, std::string(text),
                 "no such day and time of day (DDHHMMZ or DD/HHMMZ)"};
  }
  return *time;
}

Result<UtcTime> parse_utc_time(Field field, std::string_view text) {
  auto unusable = [&](const char* problem) {
    return Error{ErrorKind::kUnusable, field, std::string(text), problem};
  };
  constexpr const char* kForm =
      "expected an ISO 8601 UTC time such as 2023-09-12T18:00Z, a date-time group such as "
      "121800Z or 12/1800Z, or now";
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  if (!read_digits(text, 0, 4, year) || !is_at(text, 4, '-') || !read_digits(text, 5, 2, month) ||
      !is_at(text, 7, '-') || !read_digits(text, 8, 2, day) || !is_at(text, 10, 'T') ||
      !read_digits(text, 11, 2, hour) || !is_at(text, 13, ':') ||
      !read_digits(text, 14, 2, minute)) {
    return unusable(kForm);
  }
  std::size_t zone = 16;
  if (is_at(text, 16, ':')) {
    if (!read_digits(text, 17, 2, second)) return unusable(kForm);
    zone = 19;
  }
  const std::string_view suffix = text.substr(zone);
  if (suffix != "Z" && suffix != "+00:00") {
    return unusable("expected the time in UTC, ending in Z or +00:00");
  }
  if (year < 1000) return unusable("no such date");
  if (!navigation::civil_time(year, month, day, 0, 0)) return unusable("no such date");
  const std::optional<UtcTime> time =
      navigation::civil_time(year, month, day, hour, minute, second);
  if (!time) return unusable("no such time of day");
  return *time;
}

}  // namespace hurricane::situation
