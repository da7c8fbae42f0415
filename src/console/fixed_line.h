// Fixed-field console line: texts and numbers in fields of fixed width.
#pragma once

#include <string>
#include <string_view>

namespace hurricane::console {

class FixedLine {
 public:
  // A line begins with one blank; the continuation line of a line group and
  // the prompt line begin directly with their own text.
  enum class Start { kBlank, kDirect };
  explicit FixedLine(Start start = Start::kBlank) : text_(start == Start::kBlank ? " " : "") {}

  FixedLine& text(std::string_view item);
  // Integer right-aligned in `width` characters (see integer_field).
  FixedLine& integer(long long value, int width);
  // Real rounded to `decimals`, right-aligned in `width` characters (see real_field).
  FixedLine& real(double value, int width, int decimals);
  const std::string& str() const { return text_; }

 private:
  std::string text_;
};

}  // namespace hurricane::console
