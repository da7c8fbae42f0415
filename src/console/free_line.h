// Free-form console line: one leading blank, then texts and integers.
#pragma once

#include <string>
#include <string_view>

namespace hurricane::console {

class FreeLine {
 public:
  FreeLine() : text_(" ") {}
  // A text item: written unchanged, with no separator before it.
  FreeLine& text(std::string_view item);
  // An integer item: one blank, a minus sign when negative, then the digits.
  FreeLine& integer(long long item);
  const std::string& str() const { return text_; }

 private:
  std::string text_;
};

}  // namespace hurricane::console
