// The few character tests and words every reader of the products' plain ASCII text needs,
// independent of the locale (std::isdigit and friends depend on it).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace hurricane::advisory {

inline bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
inline bool is_upper(char c) {
  return c >= 'A' && c <= 'Z';
}
inline bool is_letter(char c) {
  return is_upper(c) || (c >= 'a' && c <= 'z');
}

// The text with a..z made A..Z; every other byte as it is.
inline std::string upper(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

// 1..12 for "JAN".."DEC", else 0.
inline int month_number(std::string_view word) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  for (std::size_t i = 0; i < kMonths.size(); ++i) {
    if (word == kMonths[i]) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace hurricane::advisory
