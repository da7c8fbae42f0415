// When the output reaches the console: before every read that may wait for the navigator,
// while lines already at hand let it collect into large pieces.
#include "dialogue/terminal.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "console/output.h"
#include "dialogue/line_input.h"

namespace hurricane::dialogue {
namespace {

// Records what the terminal asks of the output, in order, into a shared log.
class RecordingOutput final : public console::Output {
 public:
  explicit RecordingOutput(std::vector<std::string>& log) : log_(log) {}
  void put(std::string_view) override {}
  void flush() override { log_.push_back("flush"); }
  void pass_on() override { log_.push_back("pass on"); }

 private:
  std::vector<std::string>& log_;
};

// A keyboard: nothing is at hand until the program asks, then one typed line arrives.
class Keyboard final : public std::streambuf {
 public:
  Keyboard(std::vector<std::string> lines, std::vector<std::string>& log)
      : lines_(std::move(lines)), log_(log) {}

 protected:
  int_type underflow() override {
    if (next_ == lines_.size()) return traits_type::eof();
    log_.push_back("typed " + lines_[next_]);
    current_ = lines_[next_++] + "\n";
    setg(current_.data(), current_.data(), current_.data() + current_.size());
    return traits_type::to_int_type(current_[0]);
  }

 private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::string current_;
  std::vector<std::string>& log_;
};

TEST(Terminal, FlushesBeforeEveryReadThatWaitsForTheNavigator) {
  std::vector<std::string> log;
  Keyboard keyboard({"100", "275"}, log);
  std::istream stream(&keyboard);
  LineInput input(stream);
  RecordingOutput output(log);
  Terminal terminal{input, output};
  EXPECT_EQ(terminal.read_line(8, "a distance"), "100");
  EXPECT_EQ(terminal.read_line(8, "a bearing"), "275");
  EXPECT_EQ(terminal.read_line_or_end(8), std::nullopt);
  EXPECT_EQ(log, (std::vector<std::string>{"flush", "typed 100", "flush", "typed 275", "flush"}));
}

TEST(Terminal, LinesAtHandOnlyPassTheOutputOn) {
  std::vector<std::string> log;
  std::istringstream piped("100\n275\n");
  LineInput input(piped);
  RecordingOutput output(log);
  Terminal terminal{input, output};
  EXPECT_EQ(terminal.read_line(8, "a distance"), "100");
  EXPECT_EQ(terminal.read_line(8, "a bearing"), "275");
  EXPECT_EQ(terminal.read_line_or_end(8), std::nullopt);  // the end: all must be out
  EXPECT_EQ(log, (std::vector<std::string>{"pass on", "pass on", "flush"}));
}

// Counts how often the stream is made to send its buffer on.
class CountingBuffer final : public std::stringbuf {
 public:
  int syncs = 0;

 protected:
  int sync() override {
    ++syncs;
    return 0;
  }
};

TEST(StreamOutput, PassesBytesOnWithoutSendingThemAndFlushesOnRequest) {
  CountingBuffer buffer;
  std::ostream stream(&buffer);
  {
    console::StreamOutput output(stream);
    output.line("prompt");
    EXPECT_EQ(buffer.str(), "");  // still held
    output.pass_on();
    EXPECT_EQ(buffer.str(), "prompt\n");
    EXPECT_EQ(buffer.syncs, 0);
    output.line("more");
    output.flush();
    EXPECT_EQ(buffer.str(), "prompt\nmore\n");
    EXPECT_EQ(buffer.syncs, 1);
    output.line("last");
  }
  EXPECT_EQ(buffer.str(), "prompt\nmore\nlast\n");  // and at the end
  EXPECT_EQ(buffer.syncs, 2);
}

}  // namespace
}  // namespace hurricane::dialogue
