#include "dialogue/prompted_input.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace hurricane::dialogue {
namespace {

// Runs readit on `default_value` with `typed` as the console input.
struct Asked {
  double value;
  std::string printed;
  bool failed = false;
};

Asked ask(double default_value, const std::string& typed) {
  std::istringstream in(typed);
  LineInput input(in);
  console::StringOutput out;
  Terminal terminal{input, out};
  Asked asked{default_value, ""};
  try {
    readit(asked.value, terminal);
  } catch (const InputFailure&) {
    asked.failed = true;
  }
  asked.printed = out.text();
  return asked;
}

TEST(Readit, PromptShowsTheDefaultAndEchoesEightCharacters) {
  const Asked asked = ask(1000.0, "12\n");
  EXPECT_EQ(asked.printed,
            "        [ Default:     1000.0 ].    Input=\n"
            " 12      \n");
  EXPECT_EQ(asked.value, 12.0);
  EXPECT_EQ(ask(999999.0, "\n").printed.substr(0, 30), "        [ Default:   999999.0 ");
  EXPECT_EQ(ask(-999999.0, "\n").printed.substr(0, 30), "        [ Default:  -999999.0 ");
}

TEST(Readit, BlankAnswersKeepTheDefaultUnbounded) {
  EXPECT_EQ(ask(5e6, "\n").value, 5e6);
  EXPECT_EQ(ask(275.0, "         5\n").value, 275.0);  // the 5 is the 10th character
  EXPECT_EQ(ask(275.0, ",\n").value, 275.0);
  EXPECT_EQ(ask(275.0, "\n").printed.substr(43), "         \n");
}

TEST(Readit, ValuesAreBoundedToSixNines) {
  EXPECT_EQ(ask(0, "123456789\n").value, 999999.0);
  EXPECT_EQ(ask(0, "123456789\n").printed.substr(43), " 12345678\n");
  EXPECT_EQ(ask(0, "-2000000\n").value, -999999.0);
  EXPECT_EQ(ask(0, "999999\n").value, 999999.0);
  EXPECT_EQ(ask(0, "-999999\n").value, -999999.0);
  EXPECT_EQ(ask(0, "1e7\n").value, 999999.0);
  EXPECT_EQ(ask(0, "1e999\n").value, 999999.0);
  EXPECT_EQ(ask(0, "-1e999\n").value, -999999.0);
  EXPECT_EQ(ask(0, "999999.4\n").value, 999999.0);
}

TEST(Readit, UnreadableAnswerAndEndOfInputFail) {
  const Asked letters = ask(7.0, "abc\n");
  EXPECT_TRUE(letters.failed);
  EXPECT_EQ(letters.printed.substr(43), " abc     \n");  // echoed before it is read
  const Asked ended = ask(7.0, "");
  EXPECT_TRUE(ended.failed);
  EXPECT_EQ(ended.printed, "        [ Default:        7.0 ].    Input=\n");
}

}  // namespace
}  // namespace hurricane::dialogue
