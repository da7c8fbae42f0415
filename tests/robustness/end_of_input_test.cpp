// The input ending before the session does, at every read of a session that
// passes every kind of read: prompts, the attribution screen, the restart wait.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "robustness/child_process.h"
#include "robustness/sessions.h"

namespace hurricane::robustness {
namespace {

// Two rounds, the first showing the attribution screen, then the end.
const std::vector<std::string> kAnswers = {
    "2",                                  // hemisphere
    "17",       "9", "1961", "", "", "",  // the attribution date and three defaults
    "go on",                              // ENTER at the attribution screen
    "",                                   // restart wait
    "300",      "",  "",     "", "", "",  // a second round
    "anything",                           // restart wait
    "0"};

constexpr std::string_view kReadPoints[] = {"Input=\n", "<..hit RETURN to restart>\n",
                                            "hit [ENTER] to continue :\n"};

// Where the output stands at each read: just after each line that asks for one.
std::vector<std::size_t> read_points(const std::string& out) {
  std::vector<std::size_t> points;
  for (std::size_t line = 0; line < out.size();) {
    const std::size_t end = out.find('\n', line) + 1;
    const std::string_view text(out.data() + line, end - line);
    for (std::string_view asks : kReadPoints) {
      if (text.ends_with(asks)) points.push_back(end);
    }
    line = end;
  }
  return points;
}

TEST(EndOfInput, AtEveryReadStopsWithStatusOneAndCompleteOutput) {
  const ChildRun whole = run_advisor_process(typed(kAnswers));
  ASSERT_EQ(whole.status, 0) << whole.err;
  const std::vector<std::size_t> points = read_points(whole.out);
  ASSERT_EQ(points.size(), kAnswers.size());

  for (std::size_t given = 0; given < kAnswers.size(); ++given) {
    const std::vector<std::string> answers(kAnswers.begin(),
                                           kAnswers.begin() + static_cast<std::ptrdiff_t>(given));
    // The end of input at the restart wait still counts as RETURN: the next
    // round shows its screen and stops at its first prompt.
    std::size_t stop = points[given];
    if (std::string_view(whole.out).substr(0, stop).ends_with(kRestartWait)) {
      stop = points[given + 1];
    }
    for (const bool last_break : {true, false}) {  // a last line without a break counts too
      // (An empty last line without its break is no line at all.)
      if (!last_break && (given == 0 || answers.back().empty())) continue;
      std::string input = typed(answers);
      if (!last_break) input.pop_back();
      const ChildRun cut = run_advisor_process(input);
      SCOPED_TRACE("answers given: " + std::to_string(given) +
                   ", last break: " + (last_break ? "yes" : "no"));
      EXPECT_EQ(cut.status, 1);
      EXPECT_TRUE(one_diagnostic_line(cut.err)) << cut.err;
      EXPECT_EQ(cut.out, whole.out.substr(0, stop));
    }
  }
}

}  // namespace
}  // namespace hurricane::robustness
