#include "situation/shown_text.h"

namespace hurricane::situation {
namespace {

// The length of the UTF-8 sequence at `at` when it is a well-formed character a terminal
// shows as itself (no C1 control, no direction or line-separator control); 0 otherwise.
std::size_t printable_utf8(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = 0;
  char32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07u;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t i = at + 1; i < at + length; ++i) {
    if ((byte(i) & 0xC0u) != 0x80u) return 0;
    code = (code << 6) | (byte(i) & 0x3Fu);
  }
  const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  if (code < 0xA0 || (code >= 0x2028 && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069)) {
    return 0;
  }
  return length;
}

}  // namespace

std::string shown_text(std::string_view value, std::size_t longest) {
  std::string text;
  std::size_t shown = 0;
  std::size_t i = 0;
  for (; i < value.size() && shown < longest; ++shown) {
    const char c = value[i];
    if (c >= ' ' && c <= '~') {
      text += c;
      ++i;
    } else if (const std::size_t length = printable_utf8(value, i)) {
      text.append(value.substr(i, length));
      i += length;
    } else {
      text += '?';
      ++i;
    }
  }
  if (i < value.size()) text += "...";
  return text;
}

}  // namespace hurricane::situation
