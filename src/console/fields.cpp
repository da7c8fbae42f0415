#include "console/fields.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace hurricane::console {
namespace {

// Widest field the system prints is 10; beyond this no value can fit anyway.
constexpr int kMaxWidth = 64;
constexpr int kMaxDecimals = 30;

std::string fit(std::string digits, int width) {
  const auto size = static_cast<int>(digits.size());
  if (size > width) return std::string(static_cast<std::size_t>(std::max(width, 0)), '*');
  return std::string(static_cast<std::size_t>(width - size), ' ') + digits;
}

}  // namespace

std::string real_field(double value, int width, int decimals) {
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  const auto stars = std::string(static_cast<std::size_t>(std::max(width, 0)), '*');
  // Anything of 1e60 or more needs more than 60 digits: it cannot fit, and
  // checking first keeps the conversion's buffer small and bounded.
  if (!std::isfinite(value) || std::fabs(value) >= 1e60 || width > kMaxWidth) return stars;

  char buffer[128];
  const int length = std::snprintf(buffer, sizeof buffer, "%#.*f", decimals, value);
  if (length <= 0 || length >= static_cast<int>(sizeof buffer)) return stars;
  std::string text(buffer, static_cast<std::size_t>(length));

  // A negative value that rounds to zero is written without its sign.
  if (text.front() == '-' && text.find_first_of("123456789") == std::string::npos) {
    text.erase(0, 1);
  }
  // A leading zero gives way only when that makes the value fit exactly.
  if (static_cast<int>(text.size()) == width + 1) {
    const std::size_t zero = text.front() == '-' ? 1 : 0;
    if (text.compare(zero, 2, "0.") == 0) text.erase(zero, 1);
  }
  return fit(std::move(text), width);
}

std::string integer_field(long long value, int width) {
  return fit(std::to_string(value), width);
}

}  // namespace hurricane::console
