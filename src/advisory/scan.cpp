#include "advisory/scan.h"
#include "advisory/characters.h"

namespace hurricane::advisory {
namespace {

void skip_blanks(Cursor& cursor) {
  while (!cursor.rest.empty() && (cursor.rest.front() == ' ' || cursor.rest.front() == '\t')) {
    cursor.rest.remove_prefix(1);
  }
}

// Degrees with at most one decimal, in tenths, then one of the two hemisphere letters; the
// letter `negative` gives a negative value.
std::optional<double> take_degrees(Cursor& cursor, int max_whole_digits, int max_tenths,
                                   char positive, char negative) {
  Cursor at = cursor;
  skip_blanks(at);
  // NHC writes a value below one without its zero: ".5W".
  const bool bare_decimal = at.rest.size() > 1 && at.rest[0] == '.' && is_digit(at.rest[1]);
  const std::optional<int> whole = bare_decimal ? 0 : take_int(at, max_whole_digits);
  if (!whole) return std::nullopt;
  int tenths = *whole * 10;
  if (at.rest.starts_with('.')) {
    at.rest.remove_prefix(1);
    if (at.rest.empty() || !is_digit(at.rest.front())) return std::nullopt;
    tenths += at.rest.front() - '0';
    at.rest.remove_prefix(1);
  }
  if (at.rest.empty() || (at.rest.front() != positive && at.rest.front() != negative)) {
    return std::nullopt;
  }
  const bool is_negative = at.rest.front() == negative;
  at.rest.remove_prefix(1);
  if (tenths > max_tenths) return std::nullopt;
  cursor = at;
  const double degrees = tenths / 10.0;
  return is_negative ? -degrees : degrees;
}

}  // namespace

bool at_end(Cursor cursor) {
  skip_blanks(cursor);
  return cursor.rest.empty();
}

bool take_word(Cursor& cursor, std::string_view word) {
  Cursor at = cursor;
  skip_blanks(at);
  if (!at.rest.starts_with(word)) return false;
  at.rest.remove_prefix(word.size());
  cursor = at;
  return true;
}

bool take_dots(Cursor& cursor) {
  if (!take_word(cursor, ".")) return false;
  while (cursor.rest.starts_with('.')) cursor.rest.remove_prefix(1);
  return true;
}

std::optional<int> take_int(Cursor& cursor, int max_digits) {
  Cursor at = cursor;
  skip_blanks(at);
  int value = 0;
  int digits = 0;
  while (!at.rest.empty() && is_digit(at.rest.front())) {
    if (++digits > max_digits) return std::nullopt;
    value = value * 10 + (at.rest.front() - '0');
    at.rest.remove_prefix(1);
  }
  if (digits == 0) return std::nullopt;
  cursor = at;
  return value;
}

std::optional<LatLon> take_position(Cursor& cursor) {
  Cursor at = cursor;
  const std::optional<double> lat = take_degrees(at, 2, 900, 'N', 'S');
  if (!lat) return std::nullopt;
  const std::optional<double> lon = take_degrees(at, 3, 1800, 'E', 'W');
  if (!lon) return std::nullopt;
  cursor = at;
  return LatLon{*lat, *lon};
}

std::optional<DayTime> take_day_time(Cursor& cursor) {
  Cursor at = cursor;
  const std::optional<int> day = take_int(at, 2);
  if (!day || !at.rest.starts_with('/')) return std::nullopt;
  at.rest.remove_prefix(1);
  // Exactly four digits of hours and minutes, then Z.
  if (at.rest.size() < 5 || at.rest[4] != 'Z') return std::nullopt;
  for (std::size_t i = 0; i < 4; ++i) {
    if (!is_digit(at.rest[i])) return std::nullopt;
  }
  const auto digit = [&](std::size_t i) { return at.rest[i] - '0'; };
  const DayTime time{*day, digit(0) * 10 + digit(1), digit(2) * 10 + digit(3)};
  at.rest.remove_prefix(5);
  if (time.day < 1 || time.day > 31 || time.hour > 23 || time.minute > 59) return std::nullopt;
  cursor = at;
  return time;
}

std::optional<QuadrantRadii> take_quadrant_radii(Cursor& cursor) {
  static constexpr std::string_view kNames[4] = {"NE", "SE", "SW", "NW"};
  Cursor at = cursor;
  QuadrantRadii radii;
  for (std::size_t q = 0; q < 4; ++q) {
    const std::optional<int> nm = take_int(at, 4);
    if (!nm || !at.rest.starts_with(kNames[q])) return std::nullopt;
    at.rest.remove_prefix(2);
    radii.nm[q] = *nm;
  }
  if (at.rest.starts_with('.')) at.rest.remove_prefix(1);
  cursor = at;
  return radii;
}

}  // namespace hurricane::advisory
