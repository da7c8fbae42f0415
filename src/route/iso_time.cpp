#include "route/iso_time.h"

#include <chrono>
#include <cstddef>

namespace hurricane::route {
namespace {

// The `count` digits at `at` as a number; nothing unless all are digits.
std::optional<int> digits(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

bool is_at(std::string_view text, std::size_t at, char c) {
  return at < text.size() && text[at] == c;
}

}  // namespace

std::optional<navigation::UtcTime> parse_iso_time(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\n' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\n' || text.back() == '\r' ||
                           text.back() == '\t')) {
    text.remove_suffix(1);
  }
  const auto year = digits(text, 0, 4), month = digits(text, 5, 2), day = digits(text, 8, 2),
             hour = digits(text, 11, 2), minute = digits(text, 14, 2), second = digits(text, 17, 2);
  if (!year || !month || !day || !hour || !minute || !second || !is_at(text, 4, '-') ||
      !is_at(text, 7, '-') || !is_at(text, 10, 'T') || !is_at(text, 13, ':') ||
      !is_at(text, 16, ':')) {
    return std::nullopt;
  }
  std::size_t at = 19;
  if (is_at(text, at, '.')) {
    ++at;
    const std::size_t first = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    if (at == first) return std::nullopt;
  }
  int offset_minutes = 0;
  if (is_at(text, at, 'Z')) {
    ++at;
  } else if (is_at(text, at, '+') || is_at(text, at, '-')) {
    const auto hours = digits(text, at + 1, 2), minutes = digits(text, at + 4, 2);
    if (!hours || !minutes || !is_at(text, at + 3, ':') || *hours > 14 || *minutes > 59) {
      return std::nullopt;
    }
    offset_minutes = (text[at] == '-' ? -1 : 1) * (*hours * 60 + *minutes);
    at += 6;
  } else {
    return std::nullopt;
  }
  if (at != text.size()) return std::nullopt;
  const auto local = navigation::civil_time(*year, *month, *day, *hour, *minute, *second);
  if (!local) return std::nullopt;
  return *local - std::chrono::minutes(offset_minutes);
}

}  // namespace hurricane::route
