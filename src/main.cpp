#include <unistd.h>

#include <iostream>
#include <ostream>

#include "console/fd_buffer.h"
#include "dialogue/driver.h"

int main() {
  std::ios::sync_with_stdio(false);
  // Standard output gathers in one 64 KiB buffer, so a piped session is written in large
  // pieces; the dialogue flushes it before every read that may wait for the navigator.
  hurricane::console::FdBuffer buffer(STDOUT_FILENO);
  std::ostream out(&buffer);
  return hurricane::dialogue::run_advisor(std::cin, out, std::cerr);
}
