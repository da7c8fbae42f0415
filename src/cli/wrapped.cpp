#include "cli/wrapped.h"

namespace hurricane::cli {
namespace {

std::size_t characters(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++count;
  }
  return count;
}

// The column of a labelled line's value: "   centre       24..." gives 16; else 2.
std::size_t value_column(std::string_view line) {
  const std::size_t label = line.find_first_not_of(' ');
  const std::size_t gap = line.find("  ", label);
  const std::size_t value = gap == std::string_view::npos ? gap : line.find_first_not_of(' ', gap);
  if (label == 0 || label == std::string_view::npos || value == std::string_view::npos ||
      value > kTextWidth / 3) {
    return 2;
  }
  return characters(line.substr(0, value));
}

}  // namespace

std::vector<std::string> wrapped(std::string_view line) {
  if (characters(line) <= kTextWidth) return {std::string(line)};
  const std::string indent(value_column(line), ' ');
  // The leading blanks stay with the first piece.
  const std::size_t lead = std::min(line.find_first_not_of(' '), line.size());
  std::vector<std::string> pieces;
  std::string piece(line.substr(0, lead));
  std::size_t start = lead;
  bool first_word = true;
  while (start < line.size()) {
    const std::size_t end = std::min(line.find(' ', start), line.size());
    const std::string_view word = line.substr(start, end - start);
    if (!first_word && characters(piece) + 1 + characters(word) > kTextWidth) {
      pieces.push_back(piece);
      piece = indent + std::string(word);
    } else {
      if (!first_word) piece += ' ';
      piece += word;
    }
    first_word = false;
    start = end == line.size() ? end : end + 1;
  }
  pieces.push_back(piece);
  return pieces;
}

}  // namespace hurricane::cli
