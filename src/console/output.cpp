#include "console/output.h"

namespace hurricane::console {

void Output::line(std::string_view text) {
  put(text);
  put("\n");
}

void Output::empty_lines(int count) {
  for (int i = 0; i < count; ++i) put("\n");
}

StreamOutput::~StreamOutput() {
  flush();
}

void StreamOutput::put(std::string_view bytes) {
  pending_ += bytes;
  // Large pieces, but a bounded buffer: a long session never holds all its output.
  if (pending_.size() >= 1 << 16) flush();
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
