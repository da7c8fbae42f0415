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

// Whether the word after the blank at `blank` is a unit ("nm", "kn", "kt", "h", with any
// punctuation after it) that belongs with the number before the blank: "748 nm" is not broken.
bool unit_follows(std::string_view line, std::size_t blank) {
  if (blank == 0 || blank + 1 >= line.size()) return false;
  const char before = line[blank - 1];
  if (before < '0' || before > '9') return false;
  const std::string_view rest = line.substr(blank + 1);
  for (const std::string_view unit : {"nm", "kn", "kt", "h"}) {
    if (!rest.starts_with(unit)) continue;
    const char after = rest.size() > unit.size() ? rest[unit.size()] : ' ';
    if (after == ' ' || after == ',' || after == ';' || after == '.' || after == ')' ||
        after == ':') {
      return true;
    }
  }
  return false;
}

// The end of the word that starts at `start`: its next blank, past a unit that follows it.
std::size_t word_end(std::string_view line, std::size_t start) {
  std::size_t end = std::min(line.find(' ', start), line.size());
  while (end < line.size() && unit_follows(line, end)) {
    end = std::min(line.find(' ', end + 1), line.size());
  }
  return end;
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
    const std::size_t end = word_end(line, start);
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
