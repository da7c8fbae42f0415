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

Asked ask(double default_value, const std::string& typed, bool interactive = false) {
  std::istringstream in(typed);
  LineInput input(in);
  console::StringOutput out;
  Terminal terminal{input, out, interactive};
  Asked asked{default_value, ""};
  try {
    readit(asked.value, terminal);
  } catch (const InputFailure&) {
    asked.failed = true;
  }
  asked.printed = out.text();
  return asked;
}

int count(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
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

TEST(ReaditAtATerminal, MistypedAnswersAreEchoedExplainedAndAskedAgain) {
  const std::string prompt = "        [ Default:       11.0 ].    Input=\n";
  const Asked typo = ask(11.0, "12a\n12\n", true);
  EXPECT_FALSE(typo.failed);
  EXPECT_EQ(typo.value, 12.0);
  EXPECT_EQ(typo.printed, prompt + " 12a     \n" +
                              "  \"12a\" is not a number; type it again, or RETURN to keep 11.0\n" +
                              prompt + " 12      \n");

  const Asked comma = ask(11.0, "1,5\n\n", true);
  EXPECT_EQ(comma.value, 11.0);  // RETURN after the hint keeps the default, nothing read from 1,5
  EXPECT_EQ(comma.printed,
            prompt + " 1,5     \n" +
                "  \"1,5\": decimals take a point; type it again, or RETURN to keep 11.0\n" +
                prompt + "         \n");
  EXPECT_EQ(ask(11.0, ",5\n0.5\n", true).value, 0.5);

  const Asked blank = ask(-999999.0, "1 000\n1000\n", true);
  EXPECT_EQ(blank.value, 1000.0);
  EXPECT_NE(blank.printed.find("\n  \"1 000\": a blank ends a number; type it again, or RETURN to "
                               "keep -999999.0\n"),
            std::string::npos);

  // Bytes that would not print are quoted as in the diagnostic; every line costs a new prompt.
  const Asked garbage = ask(0.0, std::string("\x01\0z", 3) + "\nS\n150nm\n12.5kts\n7\n", true);
  EXPECT_EQ(garbage.value, 7.0);
  EXPECT_NE(garbage.printed.find("  \"\\x01\\x00z\" is not a number;"), std::string::npos);
  EXPECT_EQ(count(garbage.printed, "is not a number; type it again, or RETURN to keep 0.0\n"), 4);
  EXPECT_EQ(count(garbage.printed, "Input=\n"), 5);
  // The default reads as the prompt shows it.
  EXPECT_NE(ask(-0.04, "x\n\n", true).printed.find("RETURN to keep 0.0\n"), std::string::npos);
}

TEST(ReaditAtATerminal, TheSameAnswersPipedStayAsTheyWere) {
  EXPECT_TRUE(ask(11.0, "12a\n12\n").failed);
  EXPECT_EQ(ask(11.0, "1,5\n").value, 1.0);
  EXPECT_EQ(ask(11.0, ",5\n").value, 11.0);
  EXPECT_EQ(ask(11.0, "1 000\n").value, 1.0);
  EXPECT_EQ(ask(11.0, "1,5\n").printed.find("decimals"), std::string::npos);
}

TEST(ReaditAtATerminal, EndOfInputAfterAMistypedAnswerFails) {
  const Asked ended = ask(11.0, "12a\n", true);
  EXPECT_TRUE(ended.failed);
  EXPECT_TRUE(
      ended.printed.ends_with("to keep 11.0\n        [ Default:       11.0 ].    Input=\n"));
}

}  // namespace
}  // namespace hurricane::dialogue
