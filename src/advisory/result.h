// What reading an advisory gives: a storm, or the line at fault and why there is none.
#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "advisory/storm.h"
#include "advisory/text_lines.h"
#include "error/error.h"

namespace hurricane::advisory {

// The error at 1-based line `line` of the input as given (lines end at LF): `problem` says what
// was found and what was expected there.
inline Error error_at_line(std::size_t line, std::string problem) {
  return Error{ErrorKind::kUnusable, Field::kAdvisory, "", std::move(problem), line};
}

// The error at one line of the input.
inline Error error_at(const TextLine& line, std::string problem) {
  return error_at_line(line.line, std::move(problem));
}

// `error` of a line reader placed at `line`.
inline Error error_at(const TextLine& line, Error error) {
  error.line = line.line;
  return error;
}

// A line reader's error, before the line it was read from is known.
inline Error line_error(std::string problem) {
  return error_at_line(0, std::move(problem));
}

}  // namespace hurricane::advisory
