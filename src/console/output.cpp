#include "console/output.h"

#include <algorithm>

namespace hurricane::console {
void Output::line(std::string_view text) {
  put(text);
  put("\n");
}

void Output::empty_lines(int count) {
  // A round clears the screen with 90 of them: a few pieces instead of one put per line.
  constexpr std::string_view kBreaks =
      "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n";
  while (count > 0) {
    const std::size_t piece = std::min(static_cast<std::size_t>(count), kBreaks.size());
    put(kBreaks.substr(0, piece));
    count -= static_cast<int>(piece);
  }
}

StreamOutput::~StreamOutput() {
  flush();
}

void StreamOutput::line(std::string_view text) {
  stream_.write(text.data(), static_cast<std::streamsize>(text.size()));
  stream_.put('\n');
}

void StreamOutput::put(std::string_view bytes) {
  stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void StreamOutput::flush() {
  stream_.flush();
}

}  // namespace hurricane::console
