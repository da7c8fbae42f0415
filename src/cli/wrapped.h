// Text lines kept within the width a bridge terminal shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hurricane::cli {

// The widest text line the command line writes.
inline constexpr std::size_t kTextWidth = 79;

// wrapped: `line` broken between words so that no piece passes kTextWidth characters (a UTF-8
// character counts once); a word longer than the width stays whole. Every piece after the first
// begins where the line's value does (after its label and a gap of two blanks or more), or two
// blanks in for a line without such a label.
std::vector<std::string> wrapped(std::string_view line);

}  // namespace hurricane::cli
