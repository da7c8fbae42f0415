// Fixed-field console line: texts and numbers in fields of fixed width.
#pragma once

#include <string_view>

#include "console/line_text.h"

namespace hurricane::console {

class FixedLine {
 public:
  // A line begins with one blank; the continuation line of a line group and
  // the prompt line begin directly with their own text.
  enum class Start { kBlank, kDirect };
  explicit FixedLine(Start start = Start::kBlank) {
    if (start == Start::kBlank) text_.append(" ");
  }

  FixedLine& text(std::string_view item);
  // Integer right-aligned in `width` characters (see integer_field).
  FixedLine& integer(long long value, int width);
  // Real rounded to `decimals`, right-aligned in `width` characters (see real_field).
  FixedLine& real(double value, int width, int decimals);
  // The line so far; valid while the line lives.
  std::string_view str() const { return text_.view(); }

 private:
  LineText text_;
};

}  // namespace hurricane::console
