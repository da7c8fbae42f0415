#include "dialogue/answer.h"

#include <cstdlib>
#include <string>

namespace hurricane::dialogue {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
bool ends_item(char c) {
  return is_blank(c) || c == ',' || c == '/';
}

bool is_separator(char c) {
  return is_blank(c) || c == ',';
}

}  // namespace

Split split_number(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && is_blank(text[at]))
    ++at;  // blanks before the first item split nothing
  while (at < text.size()) {
    if (!is_separator(text[at])) {
      ++at;
      continue;
    }
    bool comma = false;
    for (; at < text.size() && is_separator(text[at]); ++at) {
      if (text[at] == ',') comma = true;
    }
    if (at < text.size() && (is_digit(text[at]) || text[at] == '.')) {
      return comma ? Split::kComma : Split::kBlank;
    }
  }
  return Split::kNone;
}

Answer read_answer(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && is_blank(text[at])) ++at;
  if (at == text.size() || text[at] == ',' || text[at] == '/') return {};

  const Answer unreadable{Answer::Kind::kUnreadable, 0.0};
  std::string number;  // the item as the C library reads it: D exponents become e
  const auto take_digits = [&] {
    const std::size_t first = at;
    while (at < text.size() && is_digit(text[at])) number.push_back(text[at++]);
    return at - first;
  };

  if (text[at] == '+' || text[at] == '-') number.push_back(text[at++]);
  std::size_t mantissa_digits = take_digits();
  if (at < text.size() && text[at] == '.') {
    number.push_back(text[at++]);
    mantissa_digits += take_digits();
  }
  if (mantissa_digits == 0) return unreadable;
  if (at < text.size() &&
      (text[at] == 'E' || text[at] == 'e' || text[at] == 'D' || text[at] == 'd')) {
    number.push_back('e');
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) number.push_back(text[at++]);
    if (take_digits() == 0) return unreadable;
  }
  if (at < text.size() && !ends_item(text[at])) return unreadable;

  // The text is a plain decimal number by now, so strtod reads all of it; it
  // gives +-HUGE_VAL (infinity) on overflow and 0 or a subnormal on underflow.
  return {Answer::Kind::kNumber, std::strtod(number.c_str(), nullptr)};
}

}  // namespace hurricane::dialogue
