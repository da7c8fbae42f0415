// What reading the command line can end in besides a request: a text to print, or a usage
// error.
#pragma once

#include <string>
#include <string_view>

namespace hurricane::cli {

// Help or version: `text` goes to standard output, status 0.
struct Printed {
  std::string text;
};

// A command line that cannot be run: `line` is the one diagnostic line, `status` the exit
// status (1 for an unusable value, 2 for wrong usage).
struct CommandError {
  int status = 2;
  std::string line;
};

// usage: the wrong usage `text` as its one line (status 2).
CommandError usage(std::string_view text);

}  // namespace hurricane::cli
