#include "console/output.h"

#include <algorithm>

namespace hurricane::console {
namespace {

// Large pieces, but a bounded buffer: a long session never holds all its output.
constexpr std::size_t kPiece = 1 << 16;

}  // namespace

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
  pending_ += text;
  pending_ += '\n';
  if (pending_.size() >= kPiece) flush();
}

void StreamOutput::put(std::string_view bytes) {
  pending_ += bytes;
  if (pending_.size() >= kPiece) flush();
}

void StreamOutput::pass_on() {
  if (!pending_.empty()) {
    stream_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
    pending_.clear();
  }
}

void StreamOutput::flush() {
  pass_on();
  stream_.flush();
}

}  // namespace hurricane::console
