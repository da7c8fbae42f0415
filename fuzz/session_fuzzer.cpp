// Whole sessions on arbitrary standard input. Built with libFuzzer (clang) it
// searches for inputs that break the checks below; built without it, main()
// replays corpus files and directories, so every seed and every past finding
// runs as a regression test in the ordinary build.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>

#include "dialogue/driver.h"

namespace {

// Most output bytes that reading one line may cause, counted from the start of
// that read to the start of the next. The largest such stretch follows the
// ship-speed answer: its echo, 40 empty lines, the result heading, the 3-line
// echo of the situation and the report, which adds up to about 1.25 KB when
// every report line that can appear does; the most measured over the seeds
// and a minute of fuzzing is 1206 bytes. Some three times that leaves room for
// wording changes while still catching a loop that prints.
constexpr std::size_t kMaxOutputPerLine = 4096;

constexpr std::string_view kClosing = " ~~~~~~~~~~~~~~~~~~~END of Program~~~~~~~~~~~~~~~~~~~~\n\n";
constexpr std::string_view kDiagnosticStart = "hurricane-escape: ";

const char* current_input = "(input)";  // named in failure messages

void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "session check failed on %s: %s\n", current_input, what);
  std::abort();
}

// Standard input over a byte buffer that notes, whenever a new line starts to
// be read, how much output the session has written. The dialogue flushes its
// output before every read, so two notes apart is what one line caused.
class MeteredInput final : public std::streambuf {
 public:
  MeteredInput(std::string_view bytes, std::ostringstream& out) : bytes_(bytes), out_(out) {}

  // Output since the last note; call once the session is over.
  std::size_t largest_stretch() {
    note();
    return largest_;
  }

 protected:
  int_type underflow() override {
    return at_ < bytes_.size() ? traits_type::to_int_type(bytes_[at_]) : traits_type::eof();
  }
  int_type uflow() override {
    if (line_starts_) note();
    if (at_ == bytes_.size()) {
      line_starts_ = false;
      return traits_type::eof();
    }
    const char c = bytes_[at_++];
    line_starts_ = c == '\n';
    return traits_type::to_int_type(c);
  }

 private:
  void note() {
    const auto written = static_cast<std::size_t>(std::max<std::streamoff>(out_.tellp(), 0));
    largest_ = std::max(largest_, written - noted_);
    noted_ = written;
  }

  std::string_view bytes_;
  std::size_t at_ = 0;
  bool line_starts_ = true;
  std::ostringstream& out_;
  std::size_t noted_ = 0;
  std::size_t largest_ = 0;
};

std::size_t largest_seen = 0;  // over all inputs, for the replay's summary

// One session on `bytes`, as piped or as typed at a terminal, checked whole.
void check_session(std::string_view bytes, bool interactive) {
  std::ostringstream out;
  std::ostringstream errors;
  MeteredInput buffer(bytes, out);
  std::istream in(&buffer);

  const int status =
      hurricane::dialogue::run_advisor(in, out, errors, {.interactive = interactive});
  const std::string printed = out.str();
  const std::string diagnostic = errors.str();
  const std::size_t stretch = buffer.largest_stretch();
  largest_seen = std::max(largest_seen, stretch);

  require(status == 0 || status == 1, "exit status is neither 0 nor 1");
  if (status == 0) {
    require(diagnostic.empty(), "a successful session wrote to standard error");
    require(printed.ends_with(kClosing), "a successful session lacks the closing line");
  } else {
    require(diagnostic.starts_with(kDiagnosticStart) && diagnostic.ends_with('\n') &&
                diagnostic.find('\n') == diagnostic.size() - 1,
            "a failed session did not write exactly one diagnostic line");
    require(!printed.ends_with(kClosing), "a failed session printed the closing line");
  }
  // There are at most size + 1 reads (one per line, one more finding the
  // end), so this also bounds the whole output by (size + 2) stretches.
  require(stretch <= kMaxOutputPerLine, "one input line caused too much output");
  require(printed.size() <= kMaxOutputPerLine * (bytes.size() + 2),
          "output out of proportion to input");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  check_session(bytes, false);
  // At a terminal every mistyped line is asked again, so each line must still end its read.
  check_session(bytes, true);
  return 0;
}

#ifndef HURRICANE_LIBFUZZER
#include "replay.h"

int main(int argc, char** argv) {
  const std::size_t count = hurricane::fuzz::replay(argc, argv, current_input, require);
  std::printf("replayed %zu inputs; most output caused by one line: %zu bytes\n", count,
              largest_seen);
  return count == 0 ? 1 : 0;
}
#endif
