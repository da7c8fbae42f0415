// Input text as numbered lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace hurricane::advisory {

// One line of text and the 1-based line of the input it comes from. Lines decoded out of a feed
// keep the input line where they start.
struct TextLine {
  std::string text;
  std::size_t line = 1;
};

// Splits at LF; a CR before the LF (or at the very end) is dropped. Blank lines are left out (no
// form needs them), so a flood of line ends costs no memory.
std::vector<TextLine> split_lines(std::string_view bytes);

// Lines of the input as an error may name them: LF count, plus one for a last line without LF;
// at least 1.
std::size_t line_count(std::string_view bytes);

// `text` without leading and trailing blanks (spaces, tabs, CR).
std::string_view trim(std::string_view text);

}  // namespace hurricane::advisory
