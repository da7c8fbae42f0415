// The output reaches the console before every read that may wait for the navigator; lines
// already at hand only pass it on, so that piped sessions go out in large pieces.
#include "dialogue/terminal.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace hurricane::dialogue {
namespace {

using Log = std::vector<std::string>;

// Logs what the terminal asks of the output.
class LoggedOutput final : public console::Output {
 public:
  explicit LoggedOutput(Log& log) : log_(log) {}
  void put(std::string_view) override {}
  void flush() override { log_.push_back("flush"); }
  void pass_on() override { log_.push_back("pass on"); }

 private:
  Log& log_;
};

// A keyboard: nothing is at hand until the program reads, then the next typed line arrives.
class Keyboard final : public std::streambuf {
 public:
  explicit Keyboard(Log& log) : log_(log) {}

 protected:
  int_type underflow() override {
    if (typed_ == 2) return traits_type::eof();
    line_ = typed_++ == 0 ? "100\n" : "275\n";
    log_.push_back("typed " + line_.substr(0, 3));
    setg(line_.data(), line_.data(), line_.data() + line_.size());
    return traits_type::to_int_type(line_[0]);
  }

 private:
  Log& log_;
  int typed_ = 0;
  std::string line_;
};

void read_two_lines_and_the_end(std::istream& stream, Log& log) {
  LineInput input(stream);
  LoggedOutput output(log);
  Terminal terminal{input, output};
  EXPECT_EQ(terminal.read_line(8, "a distance"), "100");
  EXPECT_EQ(terminal.read_line(8, "a bearing"), "275");
  EXPECT_EQ(terminal.read_line_or_end(8), std::nullopt);
}

TEST(Terminal, FlushesBeforeReadsThatWaitAndPassesOnBeforeTheOthers) {
  Log log;
  Keyboard keyboard(log);
  std::istream at_keyboard(&keyboard);
  read_two_lines_and_the_end(at_keyboard, log);
  EXPECT_EQ(log, (Log{"flush", "typed 100", "flush", "typed 275", "flush"}));

  Log piped_log;
  std::istringstream piped("100\n275\n");
  read_two_lines_and_the_end(piped, piped_log);
  EXPECT_EQ(piped_log, (Log{"pass on", "pass on", "flush"}));  // the end: all must be out
}

}  // namespace
}  // namespace hurricane::dialogue
