// The console as the dialogue sees it: lines out, answers in.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

#include "console/output.h"
#include "dialogue/line_input.h"

namespace hurricane::dialogue {

// The session cannot go on; what() says why.
class SessionFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The input has ended or an answer cannot be read.
class InputFailure : public SessionFailure {
 public:
  using SessionFailure::SessionFailure;
};

// The output could not be written: asking on would be asking blind.
class OutputFailure : public SessionFailure {
 public:
  using SessionFailure::SessionFailure;
};

struct Terminal {
  LineInput& input;
  console::Output& output;
  // A person types the answers (standard input is a terminal): an answer that
  // cannot be taken is asked again instead of ending the session.
  bool interactive = false;

  // Makes everything written so far reach the console (or, when the line is
  // already at hand, passes it on to the stream), then reads one line and
  // keeps its first `keep` characters. Throws OutputFailure when the output
  // could not be written, InputFailure at the end of input; `waiting_for` says
  // what the line was asked for.
  std::string read_line(std::size_t keep, const char* waiting_for);
  // The same, but an empty optional at the end of the input.
  // Throws OutputFailure when the output could not be written.
  std::optional<std::string> read_line_or_end(std::size_t keep);
};

}  // namespace hurricane::dialogue
