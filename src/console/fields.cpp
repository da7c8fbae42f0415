#include "console/fields.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace hurricane::console {
namespace {

// Widest field the system prints is 10; beyond this no value can fit anyway.
constexpr int kMaxWidth = 64;
constexpr int kMaxDecimals = 30;

void append_stars(LineText& out, int width) {
  out.append(static_cast<std::size_t>(std::max(width, 0)), '*');
}

// `digits` right-aligned in `width` characters, or asterisks when it does not fit.
void append_fitted(LineText& out, std::string_view digits, int width) {
  const auto size = static_cast<int>(digits.size());
  if (size > width) return append_stars(out, width);
  out.append(static_cast<std::size_t>(width - size), ' ');
  out.append(digits);
}

}  // namespace

void append_real_field(LineText& out, double value, int width, int decimals) {
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  // Anything of 1e60 or more needs more than 60 digits: it cannot fit, and
  // checking first keeps the conversion's buffer small and bounded.
  if (!std::isfinite(value) || std::fabs(value) >= 1e60 || width > kMaxWidth) {
    return append_stars(out, width);
  }

  // to_chars with a precision converts exactly as printf's "%.*f" does; the
  // decimal point that "#" keeps for 0 decimals is added by hand.
  char buffer[128];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::fixed, decimals);
  if (error != std::errc{}) return append_stars(out, width);
  char* first = buffer;
  char* last = end;
  if (decimals == 0) *last++ = '.';

  // A negative value that rounds to zero is written without its sign.
  if (*first == '-' &&
      std::find_if(first, last, [](char c) { return c >= '1' && c <= '9'; }) == last) {
    ++first;
  }
  // A leading zero gives way only when that makes the value fit exactly.
  if (last - first == width + 1) {
    char* zero = *first == '-' ? first + 1 : first;
    if (zero[0] == '0' && zero[1] == '.') {
      std::copy(zero + 1, last, zero);
      --last;
    }
  }
  append_fitted(out, std::string_view(first, static_cast<std::size_t>(last - first)), width);
}

void append_integer_field(LineText& out, long long value, int width) {
  char buffer[24];  // the longest long long has 20 characters
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (error != std::errc{}) return append_stars(out, width);
  append_fitted(out, std::string_view(buffer, static_cast<std::size_t>(end - buffer)), width);
}

std::string real_field(double value, int width, int decimals) {
  LineText field;
  append_real_field(field, value, width, decimals);
  return std::string(field.view());
}

std::string integer_field(long long value, int width) {
  LineText field;
  append_integer_field(field, value, width);
  return std::string(field.view());
}

}  // namespace hurricane::console
