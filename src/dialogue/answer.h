// Reading a number from the characters of one answer.
#pragma once

#include <string_view>

namespace hurricane::dialogue {

struct Answer {
  enum class Kind {
    kKeep,        // blank, or a null value (first item a comma or a slash): the default stays
    kNumber,      // `value` holds the number read
    kUnreadable,  // no plain number where one must stand
  };
  Kind kind = Kind::kKeep;
  double value = 0.0;
};

// Reads the first item of `text` in free form. Blanks and tabs separate items;
// a number is an optional sign, digits with an optional point and fraction (or a
// point and digits), then optionally E, e, D or d with an optional sign and
// digits, and it must end at a blank, tab, comma, slash or the end of `text`.
// Too large a number reads as infinite, too small a one as 0 or the nearest double.
Answer read_answer(std::string_view text);

// A separator that cuts a number typed with a habit the reading does not share.
enum class Split {
  kNone,
  kComma,  // "1,5", "12,5", ",5": a decimal comma, or a thousands comma
  kBlank,  // "1 000": a blank inside a number
};

// Whether a comma, or a blank after the first item began, stands before a digit
// or a point in `text`. read_answer takes only what stands before it ("1,5"
// reads as 1, ",5" keeps the default), so a person typing it meant another value.
Split split_number(std::string_view text);

}  // namespace hurricane::dialogue
