// What reading an advisory gives: a storm, or where and why there is none.
#pragma once

#include <cstddef>
#include <string>
#include <variant>

#include "advisory/storm.h"

namespace hurricane::advisory {

struct ReadError {
  std::size_t line = 1;  // 1-based line of the input as given (lines end at LF)
  std::string message;   // what was found and what was expected there
};

using Result = std::variant<Storm, ReadError>;

}  // namespace hurricane::advisory
