// The console as the dialogue sees it: lines out, answers in.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

#include "console/output.h"
#include "dialogue/line_input.h"

namespace hurricane::dialogue {

// The input has ended or an answer cannot be read: the session cannot go on.
class InputFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Terminal {
  LineInput& input;
  console::Output& output;

  // Makes everything written so far reach the console, then reads one line and
  // keeps its first `keep` characters. Throws InputFailure at the end of input;
  // `waiting_for` says what the line was asked for.
  std::string read_line(std::size_t keep, const char* waiting_for);
  // The same, but an empty optional at the end of the input.
  std::optional<std::string> read_line_or_end(std::size_t keep);
};

}  // namespace hurricane::dialogue
