#include "dialogue/terminal.h"

namespace hurricane::dialogue {

std::optional<std::string> Terminal::read_line_or_end(std::size_t keep) {
  output.flush();
  if (!output.intact()) throw OutputFailure("cannot write to standard output");
  return input.read_line(keep);
}

std::string Terminal::read_line(std::size_t keep, const char* waiting_for) {
  auto line = read_line_or_end(keep);
  if (!line) throw InputFailure(std::string("input ended while waiting for ") + waiting_for);
  return *std::move(line);
}

}  // namespace hurricane::dialogue
