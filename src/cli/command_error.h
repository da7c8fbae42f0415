// What reading the command line can end in besides a request: a text to print, or an error
// (hurricane::Error, worded by command_error_line).
#pragma once

#include <string>
#include <string_view>

#include "error/error.h"

namespace hurricane::cli {

// Help or version: `text` goes to standard output, status 0.
struct Printed {
  std::string text;
};

// usage: the wrong usage `text`, worded whole (Field::kCommand; status 2).
Error usage(std::string_view text);

// command_error_line: the one diagnostic line of a command line that cannot be run.
std::string command_error_line(const Error& error);

}  // namespace hurricane::cli
