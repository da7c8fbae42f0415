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

}  // namespace hurricane::dialogue
