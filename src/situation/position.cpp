#include "situation/position.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "plane_geometry/latlon_text.h"
#include "situation/number.h"

namespace hurricane::situation {
namespace {

constexpr const char* kForms =
    "expected a latitude and a longitude, e.g. 24.7N 66.4W, 24.7,-66.4, 24 42.0N 066 24.0W, "
    "24-42.0N 066-24.0W, 2442.0N 06624.0W or 24\u00b042.0'N 066\u00b024.0'W";

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// The coordinate's text with degree signs (UTF-8 or Latin-1) and the hyphen between degrees and
// minutes turned into blanks and a trailing minute sign dropped, so that every degrees-minutes
// form reads as "DD MM.m". Nothing when a byte outside these forms is found.
std::optional<std::string> plain_coordinate(std::string_view text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == 0xC2 && i + 1 < text.size() &&
        (static_cast<unsigned char>(text[i + 1]) == 0xB0 ||
         static_cast<unsigned char>(text[i + 1]) == 0xBA)) {
      plain += ' ';  // degree sign (or the ordinal sign typed for it) in UTF-8
      ++i;
    } else if (byte == 0xB0) {
      plain += ' ';  // degree sign in Latin-1
    } else if (text[i] == '-' && !plain.empty() && is_digit(plain.back())) {
      plain += ' ';  // 24-42.0: a hyphen after the degrees
    } else if (byte == 0xE2 && i + 2 < text.size() && text.substr(i, 3) == "\u2032") {
      plain += '\'';  // prime, as the minute sign
      i += 2;
    } else if (byte < 0x80) {
      plain += text[i];
    } else {
      return std::nullopt;
    }
  }
  std::string_view body = trimmed(plain);
  if (!body.empty() && body.back() == '\'') body.remove_suffix(1);
  if (body.find('\'') != std::string_view::npos) return std::nullopt;
  return std::string(trimmed(body));
}

// Unsigned digits only, at least one.
bool all_digits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (!is_digit(c)) return false;
  }
  return true;
}

// Digits with an optional point and fraction, no sign or exponent.
bool is_unsigned_decimal(std::string_view text) {
  const std::size_t point = text.find('.');
  if (!all_digits(text.substr(0, point))) return false;
  return point == std::string_view::npos || all_digits(text.substr(point + 1));
}

enum class Reading { kOk, kBadMinutes, kUnreadable };

// Degrees and minutes, both already known to be unsigned decimals; minutes must be below 60.
Reading degrees_and_minutes(std::string_view whole, std::string_view minutes, double& degrees) {
  const double value = parse_number(Field::kShip, minutes).value();
  if (value >= 60.0) return Reading::kBadMinutes;
  degrees = parse_number(Field::kShip, whole).value() + value / 60.0;
  return Reading::kOk;
}

// An unsigned coordinate in degrees from "24.7", "24 42.0" (degrees and minutes) or the packed
// "2442.0" / "06624.0" (the last two digits before the point are minutes; a packed form has more
// integer digits than whole degrees can have: `max_degree_digits` is 2 for latitude, 3 for
// longitude).
Reading read_unsigned(std::string_view text, std::size_t max_degree_digits, double& degrees) {
  const std::size_t blank = text.find_first_of(" \t");
  if (blank != std::string_view::npos) {
    const std::string_view whole = text.substr(0, blank);
    const std::string_view rest = trimmed(text.substr(blank));
    if (!all_digits(whole) || !is_unsigned_decimal(rest)) return Reading::kUnreadable;
    return degrees_and_minutes(whole, rest, degrees);
  }
  const std::string_view integer = text.substr(0, text.find('.'));
  if (!all_digits(integer)) return Reading::kUnreadable;
  if (integer.size() > max_degree_digits) {
    if (!is_unsigned_decimal(text)) return Reading::kUnreadable;
    const std::size_t split = integer.size() - 2;
    return degrees_and_minutes(text.substr(0, split), text.substr(split), degrees);
  }
  const Result<double> number = parse_number(Field::kShip, text);
  if (!number.ok()) return Reading::kUnreadable;
  degrees = number.value();
  return Reading::kOk;
}

bool is_letter(char c, char upper) {
  return c == upper || c == upper + 32;
}

// One lettered coordinate ("24 42.0N") or a signed decimal one ("-66.4").
Reading read_coordinate(std::string_view text, char positive, char negative,
                        std::size_t max_degree_digits, double& degrees) {
  text = trimmed(text);
  if (text.empty()) return Reading::kUnreadable;
  const char last = text.back();
  if (is_letter(last, positive) || is_letter(last, negative)) {
    const std::optional<std::string> body = plain_coordinate(text.substr(0, text.size() - 1));
    if (!body || body->empty() || !is_digit(body->front())) return Reading::kUnreadable;
    const Reading reading = read_unsigned(*body, max_degree_digits, degrees);
    if (is_letter(last, negative)) degrees = -degrees;
    return reading;
  }
  const Result<double> number = parse_number(Field::kShip, text);
  if (!number.ok()) return Reading::kUnreadable;
  degrees = number.value();
  return Reading::kOk;
}

struct Split {
  std::string_view lat;
  std::string_view lon;
};

// The latitude ends after its N or S, or at the comma between two signed numbers; nothing
// when the text has no such place.
std::optional<Split> split_position(std::string_view text) {
  const std::size_t letter = text.find_first_of("NSns");
  if (letter != std::string_view::npos) {
    std::string_view lon = text.substr(letter + 1);
    lon = trimmed(lon);
    if (!lon.empty() && lon.front() == ',') lon.remove_prefix(1);
    return Split{text.substr(0, letter + 1), lon};
  }
  // Without letters only a comma parts the two: "24 42.0" is refused, not read as 24N 42E.
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  return Split{text.substr(0, comma), text.substr(comma + 1)};
}

}  // namespace

Result<LatLon> parse_position(Field field, std::string_view text) {
  auto unusable = [&](std::string problem) {
    return Error{ErrorKind::kUnusable, field, std::string(text), std::move(problem)};
  };
  const std::optional<Split> parts = split_position(text);
  if (!parts || parts->lon.find(',') != std::string_view::npos) return unusable(kForms);
  LatLon position;
  switch (read_coordinate(parts->lat, 'N', 'S', 2, position.lat)) {
    case Reading::kOk:
      break;
    case Reading::kBadMinutes:
      return unusable("minutes of the latitude must be below 60");
    case Reading::kUnreadable:
      return unusable(std::string("unreadable latitude: ") + kForms);
  }
  switch (read_coordinate(parts->lon, 'E', 'W', 3, position.lon)) {
    case Reading::kOk:
      break;
    case Reading::kBadMinutes:
      return unusable("minutes of the longitude must be below 60");
    case Reading::kUnreadable:
      return unusable(std::string("unreadable longitude: ") + kForms);
  }
  if (std::fabs(position.lat) > 90.0) return unusable("latitude beyond 90 degrees");
  if (std::fabs(position.lon) > 180.0) return unusable("longitude beyond 180 degrees");
  return position;
}

std::string format_position(LatLon position) {
  return plane_geometry::degrees_minutes(position.lat, position.lon);
}

}  // namespace hurricane::situation
