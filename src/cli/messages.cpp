#include "cli/messages.h"

namespace hurricane::cli {
namespace {

constexpr std::size_t kLongestFileName = 1024;

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

std::string option_name(situation::Field field) {
  return std::string("--") + situation::field_name(field);
}

std::string tamed(std::string_view value, std::size_t longest) {
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

std::string quoted(std::string_view value) {
  return "\"" + tamed(value) + "\"";
}

std::string error_line(const situation::Error& error) {
  // Appended piece by piece: GCC 12 at -O3 misreports `" " + quoted(...)` under -Wrestrict.
  std::string text = option_name(error.field);
  if (!error.value.empty()) {
    text += ' ';
    text += quoted(error.value);
  }
  text += ": ";
  text += error.problem;
  return program_line(text);
}

std::string file_error_line(std::string_view file, std::size_t line, std::string_view problem) {
  std::string text = tamed(file, kLongestFileName);
  if (line > 0) {
    text += ':';
    text += std::to_string(line);
  }
  text += ": ";
  text += problem;
  return program_line(text);
}

std::string program_line(std::string_view text) {
  std::string line = "hurricane-escape: ";
  for (const char c : text) {
    if (c == '\n') {
      line += "; ";
    } else if (c != '\r') {
      line += c;
    }
  }
  while (line.size() > 2 && line.compare(line.size() - 2, 2, "; ") == 0)
    line.resize(line.size() - 2);
  return line;
}

}  // namespace hurricane::cli
