#include <cstdio>
#include <iostream>
#include <ostream>

#include "console/stdio_buffer.h"
#include "dialogue/driver.h"

namespace {

// Standard output's C buffer; static, because the C library flushes it after main returns.
char stdout_buffer[1 << 16];

}  // namespace

int main() {
  std::ios::sync_with_stdio(false);
  // Standard output goes through the C library with a large buffer, set before any output,
  // so that a piped session is written in pieces of 64 KiB; the dialogue flushes it before
  // every read that may wait for the navigator.
  std::setvbuf(stdout, stdout_buffer, _IOFBF, sizeof stdout_buffer);
  hurricane::console::StdioBuffer buffer(stdout);
  std::ostream out(&buffer);
  return hurricane::dialogue::run_advisor(std::cin, out, std::cerr);
}
