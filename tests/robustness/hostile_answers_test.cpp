// Answers no navigator means to type: NUL bytes, binary garbage, and CR LF
// line endings through a whole session.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "robustness/sessions.h"

namespace hurricane::robustness {
namespace {

// The hemisphere and one round of defaults, the restart wait and the end.
std::vector<std::string> one_round() {
  return {"", "", "", "", "", "", "", "", "0"};
}

// Answer line p answers prompt p: 0 the hemisphere, 1 to 6 the round's values.
constexpr int kPrompts = 7;

TEST(HostileAnswers, NulBytesAreCharactersOfTheAnswer) {
  const std::string nul(1, '\0');
  for (int p = 0; p < kPrompts; ++p) {
    auto answers = one_round();
    answers[static_cast<std::size_t>(p)] = "1" + nul + "2";
    const Session s = run_session(typed(answers));
    EXPECT_EQ(s.status, 1) << p;
    EXPECT_TRUE(s.out.ends_with(" 1" + nul + "2     \n")) << p;  // echoed as typed, then stop
    EXPECT_TRUE(one_diagnostic_line(s.err)) << p;
    EXPECT_NE(s.err.find(R"("1\x002")"), std::string::npos) << s.err;
  }
  // Beyond the 8th character, at the restart wait and on the attribution
  // screen, NUL bytes are skipped like any other character.
  const Session skipped = run_session(
      typed({std::string("2       ") + nul, "17", "9", "1961", "", "", "", nul + "x", nul, "0"}));
  EXPECT_EQ(skipped.status, 0) << skipped.err;
  EXPECT_TRUE(skipped.out.ends_with(kClosing));
}

// Every byte but the line break, as 8-character answers at every prompt: the
// session either reads a number and goes on, or stops right after the echo.
TEST(HostileAnswers, BinaryGarbageEndsCleanlyOrIsRead) {
  std::uint32_t state = 12345;  // a fixed sequence, so any failure repeats
  const auto next_byte = [&state] {
    state = state * 1664525u + 1013904223u;
    return static_cast<char>(state >> 24);
  };
  int stopped = 0;
  for (int trial = 0; trial < 70; ++trial) {
    std::string garbage;
    while (garbage.size() < 8) {
      const char c = next_byte();
      if (c != '\n' && c != '\r') garbage += c;
    }
    if (trial % 3 == 0) garbage.replace(0, 2, "1e");  // sometimes a number's start
    auto answers = one_round();
    answers[static_cast<std::size_t>(trial % kPrompts)] = garbage;
    const Session s = run_session(typed(answers));
    if (s.status == 1) {
      ++stopped;
      EXPECT_TRUE(s.out.ends_with(" " + garbage + "\n")) << trial;
      EXPECT_TRUE(one_diagnostic_line(s.err)) << trial << ": " << s.err;
    } else {
      EXPECT_EQ(s.status, 0) << trial;
      EXPECT_TRUE(s.out.ends_with(kClosing)) << trial;
      EXPECT_EQ(s.err, "") << trial;
    }
  }
  EXPECT_GT(stopped, 50);  // garbage is almost never a number
}

// A session with every kind of read and answer, typed with CR LF endings,
// prints exactly what it prints with plain line breaks.
TEST(HostileAnswers, CrLfThroughAWholeSession) {
  const std::vector<std::string> answers = {
      "1.9",                                                           // hemisphere
      "17",        "-9",   "1961.5", "1e1", " -7.5", "1D1", "screen",  // attribution screen
      "restart",                                                       // restart wait
      "12345678",  "\t90", "180,5",  "11/", "",      ".5",             // more answer forms
      "typed",                                                         // restart wait
      "999999999", "",     "",       "",    "",      "",    "",        // a long distance
      "0"};
  const Session lf = run_session(typed(answers));
  ASSERT_EQ(lf.status, 0) << lf.err;
  const Session crlf = run_session(typed(answers, "\r\n"));
  EXPECT_EQ(crlf.status, 0) << crlf.err;
  EXPECT_EQ(crlf.out, lf.out);

  // The last line ended by a lone CR, then by nothing at all.
  std::string no_break = typed(answers, "\r\n");
  no_break.pop_back();
  EXPECT_EQ(run_session(no_break).out, lf.out);
  no_break.pop_back();
  EXPECT_EQ(run_session(no_break).out, lf.out);
}

}  // namespace
}  // namespace hurricane::robustness
