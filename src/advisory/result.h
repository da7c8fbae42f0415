// What reading an advisory gives: a storm, or where and why there is none.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <variant>

#include "advisory/storm.h"
#include "advisory/text_lines.h"

namespace hurricane::advisory {

struct ReadError {
  std::size_t line = 1;  // 1-based line of the input as given (lines end at LF)
  std::string message;   // what was found and what was expected there
};

using Result = std::variant<Storm, ReadError>;

// The error at one line of the input.
inline ReadError error_at(const TextLine& line, std::string message) {
  return {line.line, std::move(message)};
}

}  // namespace hurricane::advisory
