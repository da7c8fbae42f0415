// Input text as messages show it back: as typed where a terminal or a page shows it safely.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hurricane::situation {

// shown_text: `value` safe for a terminal and for JSON: printable ASCII and well-formed
// printable UTF-8 (a degree sign as typed) stay, every other byte becomes '?' (controls,
// escapes, a lone Latin-1 byte), and a value longer than `longest` characters is cut with "...".
std::string shown_text(std::string_view value, std::size_t longest);

}  // namespace hurricane::situation
