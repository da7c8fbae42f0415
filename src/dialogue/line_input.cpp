#include "dialogue/line_input.h"

namespace hurricane::dialogue {

std::optional<std::string> LineInput::read_line(std::size_t keep) {
  using Traits = std::istream::traits_type;
  std::streambuf* buffer = stream_.rdbuf();
  if (buffer == nullptr || !stream_.good()) return std::nullopt;

  std::string kept;
  bool any = false;
  bool carriage_return_last = false;  // the line's last character was '\r'
  bool skipped = false;               // characters beyond `keep` were dropped
  for (;;) {
    const Traits::int_type next = buffer->sbumpc();
    if (Traits::eq_int_type(next, Traits::eof())) {
      stream_.setstate(std::ios::eofbit);
      if (!any) return std::nullopt;
      break;
    }
    any = true;
    const char c = Traits::to_char_type(next);
    if (c == '\n') break;
    carriage_return_last = c == '\r';
    if (kept.size() < keep) {
      kept.push_back(c);
    } else {
      skipped = true;
    }
  }
  // A carriage return beyond `keep` was skipped with the rest of the line.
  if (carriage_return_last && !skipped) kept.pop_back();
  return kept;
}

bool LineInput::ready() const {
  std::streambuf* buffer = stream_.rdbuf();
  return buffer != nullptr && stream_.good() && buffer->in_avail() > 0;
}

}  // namespace hurricane::dialogue
