// The sink that every console line of the system goes through.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace hurricane::console {

// Receives finished lines. Implementations may buffer; flush() makes everything
// written so far reach its destination (called before every read that may wait
// for the navigator, and at exit); pass_on() is called before the other reads.
class Output {
 public:
  virtual ~Output() = default;
  // Writes `text` followed by a line break.
  virtual void line(std::string_view text);
  // Writes `count` lines with no characters at all.
  void empty_lines(int count);
  // Writes raw bytes; `empty_lines`, and `line` unless overridden, are built on it.
  virtual void put(std::string_view bytes) = 0;
  virtual void flush() = 0;
  // Hands everything written so far on to the destination's own buffering without forcing it
  // out, before a read that will not wait: enough for a failing destination to show in
  // intact(), and cheap where the destination buffers. By default the same as flush().
  virtual void pass_on() { flush(); }
  // False once some output could not be written (a full disk, a closed
  // descriptor): what the navigator sees is then incomplete.
  virtual bool intact() const { return true; }
};

// Hands every line straight to a stream; the stream's own buffer (FdBuffer for standard
// output) is the only one, so pass_on() has nothing to do and flush() flushes the stream.
class StreamOutput final : public Output {
 public:
  explicit StreamOutput(std::ostream& stream) : stream_(stream) {}
  ~StreamOutput() override;
  void line(std::string_view text) override;
  void put(std::string_view bytes) override;
  void flush() override;
  void pass_on() override {}
  bool intact() const override { return !stream_.fail(); }

 private:
  std::ostream& stream_;
};

// Keeps everything written, for tests.
class StringOutput final : public Output {
 public:
  void put(std::string_view bytes) override { text_ += bytes; }
  void flush() override {}
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace hurricane::console
