#include <unistd.h>

#include <iostream>
#include <ostream>

#include "cli/run.h"
#include "console/fd_buffer.h"
#include "dialogue/driver.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // Standard output gathers in one 64 KiB buffer, so a piped session is written in large
  // pieces; the dialogue flushes it before every read that may wait for the navigator.
  hurricane::console::FdBuffer buffer(STDOUT_FILENO);
  std::ostream out(&buffer);
  // A person at a terminal gets a second chance at a mistyped answer; a pipe or a file fails.
  const hurricane::dialogue::SessionOptions options{.interactive = isatty(STDIN_FILENO) == 1};
  // With arguments the program is the command line (which may hold the dialogue with
  // pictures); without, the classic dialogue.
  if (argc > 1)
    return hurricane::cli::run_command_line(argc, argv, std::cin, out, std::cerr, options);
  return hurricane::dialogue::run_advisor(std::cin, out, std::cerr, options);
}
