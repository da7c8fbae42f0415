// Line-by-line console input that keeps only the start of each line.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

namespace hurricane::dialogue {

class LineInput {
 public:
  explicit LineInput(std::istream& stream) : stream_(stream) {}

  // The next line's first `keep` characters; the rest of the line is skipped
  // without being stored, so a line of any length costs no memory. A carriage
  // return just before the line break (or the end of the input) belongs to the
  // line ending. A last line without a line break still counts. Empty optional
  // when the input has ended before the line began.
  std::optional<std::string> read_line(std::size_t keep);

  // Whether characters of the next line are already at hand, so that reading it cannot wait
  // for the navigator: typed ahead, or piped in. False when unknown.
  bool ready() const;

 private:
  std::istream& stream_;
};

}  // namespace hurricane::dialogue
