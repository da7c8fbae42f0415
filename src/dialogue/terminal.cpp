#include "dialogue/terminal.h"

namespace hurricane::dialogue {

std::optional<std::string> Terminal::read_line_or_end(std::size_t keep) {
  // The navigator must see everything before a read that waits for an answer. A line already
  // at hand (typed ahead or piped in) is read at once: the output then only passes on to the
  // stream, which sends it in pieces as large as its buffer.
  if (input.ready()) {
    output.pass_on();
  } else {
    output.flush();
  }
  if (!output.intact()) throw OutputFailure("cannot write to standard output");
  return input.read_line(keep);
}

std::string Terminal::read_line(std::size_t keep, const char* waiting_for) {
  auto line = read_line_or_end(keep);
  if (!line) throw InputFailure(std::string("input ended while waiting for ") + waiting_for);
  return *std::move(line);
}

}  // namespace hurricane::dialogue
