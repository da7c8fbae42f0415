#include "situation/number.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace hurricane::situation {

Result<double> parse_number(Field field, std::string_view text) {
  auto unusable = [&](const char* problem) {
    return Error{ErrorKind::kUnusable, field, std::string(text), problem};
  };
  std::string_view digits = text;
  // from_chars takes no plus sign; a minus sign it reads itself.
  bool signed_plus = !digits.empty() && digits.front() == '+';
  if (signed_plus) digits.remove_prefix(1);
  if (digits.empty() || !((digits.front() == '-' && !signed_plus) || digits.front() == '.' ||
                          (digits.front() >= '0' && digits.front() <= '9'))) {
    return unusable("not a number");
  }
  double value = 0.0;
  const auto [end, status] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (status == std::errc::result_out_of_range) return unusable("number out of range");
  if (status != std::errc() || end != digits.data() + digits.size()) {
    return unusable("not a number");
  }
  if (!std::isfinite(value)) return unusable("not a finite number");
  return value;
}

}  // namespace hurricane::situation
