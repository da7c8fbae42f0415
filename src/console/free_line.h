// Free-form console line: one leading blank, then texts and integers.
#pragma once

#include <string_view>

#include "console/line_text.h"

namespace hurricane::console {

class FreeLine {
 public:
  FreeLine() { text_.append(" "); }
  // A text item: written unchanged, with no separator before it.
  FreeLine& text(std::string_view item);
  // An integer item: one blank, a minus sign when negative, then the digits.
  FreeLine& integer(long long item);
  // The line so far; valid while the line lives.
  std::string_view str() const { return text_.view(); }

 private:
  LineText text_;
};

}  // namespace hurricane::console
