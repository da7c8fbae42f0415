// readit: asks for one number, showing the current value as the default.
#pragma once

#include "dialogue/terminal.h"

namespace hurricane::dialogue {

// Answers are read from this many leading characters of a line.
inline constexpr std::size_t kAnswerLength = 8;
// Bound of every value read from an answer.
inline constexpr double kAnswerBound = 999999.0;

// readit: prints the prompt line with `xxx` as default, reads an answer, echoes
// it, and sets `xxx` to the number read, bounded to +-999999; a blank answer
// keeps `xxx` unbounded as it came. Throws InputFailure on an unreadable answer
// or at the end of the input, OutputFailure when the output cannot be written.
// At an interactive terminal an unreadable answer, or one with a comma or blank
// inside a number, is echoed, explained in one line and asked again.
void readit(double& xxx, Terminal& terminal);

// The same, but returns false at the end of the input (leaving `xxx` as it was)
// instead of throwing.
bool readit_or_end(double& xxx, Terminal& terminal);

}  // namespace hurricane::dialogue
