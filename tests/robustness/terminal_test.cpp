// The real program at a pseudo-terminal: what a navigator meets who mistypes or presses
// Ctrl-D, against the same keystrokes piped, which must still fail at once.
#include <gtest/gtest.h>

#include <string>

#include "robustness/child_process.h"
#include "robustness/sessions.h"
#include "robustness/terminal_session.h"

namespace hurricane::robustness {
namespace {

constexpr std::string_view kPrompt = "Input=\n";
constexpr std::string_view kAskedAgainForDistance =
    "  \"12a\" is not a number; type it again, or RETURN to keep 1000.0\n"
    "        [ Default:     1000.0 ].    Input=\n";

// Answers one prompt after another as a person does: each only once its prompt is shown.
void answer(TerminalSession& session, std::initializer_list<std::string_view> answers) {
  for (const std::string_view typed : answers) {
    ASSERT_TRUE(session.wait_for(kPrompt)) << session.screen();
    session.type(typed);
  }
}

TEST(AtATerminal, AMistypedAnswerIsAskedAgainAndTheSessionGoesOn) {
  TerminalSession session;
  answer(session, {"\r", "12a\r"});
  ASSERT_TRUE(session.wait_for(std::string("12a\n 12a     \n").append(kAskedAgainForDistance)))
      << session.screen();
  session.type("500\r");
  answer(session, {"\r", "\r", "\r", "\r", "\r"});
  ASSERT_TRUE(session.wait_for(kRestartWait)) << session.screen();
  session.type("\r");
  answer(session, {"0\r"});
  ASSERT_TRUE(session.wait_for(kClosing)) << session.screen();
  EXPECT_EQ(session.finish(), 0);
  EXPECT_NE(session.screen().find(" Distance of HUR [nm]= 500."), std::string::npos);
  EXPECT_EQ(session.errors(), "");

  const ChildRun piped = run_advisor_process("\n12a\n500\n\n\n\n\n\n\n0\n");
  EXPECT_EQ(piped.status, 1);
  EXPECT_TRUE(one_diagnostic_line(piped.err)) << piped.err;
  EXPECT_TRUE(piped.out.ends_with(" 12a     \n"));
}

TEST(AtATerminal, ADecimalCommaOrABlankInsideANumberIsAskedAgain) {
  TerminalSession session;
  answer(session, {"\r", "1 000\r"});
  ASSERT_TRUE(
      session.wait_for("  \"1 000\": a blank ends a number; type it again, or RETURN to "
                       "keep 1000.0\n"))
      << session.screen();
  answer(session, {"300\r", "\r", "\r", "12,5\r"});
  ASSERT_TRUE(
      session.wait_for("  \"12,5\": decimals take a point; type it again, or RETURN to "
                       "keep 11.0\n"))
      << session.screen();
  answer(session, {"12.5\r", "\r", "\r"});
  ASSERT_TRUE(session.wait_for("Advancement-speed of HUR [kt]= 12.5+-")) << session.screen();
  ASSERT_TRUE(session.wait_for(kRestartWait)) << session.screen();
  session.type("\r");
  answer(session, {"0\r"});
  EXPECT_EQ(session.finish(), 0);
  EXPECT_NE(session.screen().find(" Distance of HUR [nm]= 300."), std::string::npos);

  // Piped, the same keys read 1 000 as 1 and 12,5 as 12, as they always did.
  const ChildRun piped = run_advisor_process("\n1 000\n\n\n12,5\n\n\n\n0\n");
  EXPECT_EQ(piped.status, 0);
  EXPECT_NE(piped.out.find(" Distance of HUR [nm]=   1."), std::string::npos);
  EXPECT_NE(piped.out.find("Advancement-speed of HUR [kt]= 12.0+-"), std::string::npos);
}

TEST(AtATerminal, CtrlDAtTheDistancePromptEndsTheSessionAsZeroDoes) {
  for (const bool after_a_round : {false, true}) {
    SCOPED_TRACE(after_a_round ? "Ctrl-D at the restart wait" : "Ctrl-D at the first distance");
    TerminalSession session;
    if (after_a_round) {
      answer(session, {"\r", "\r", "\r", "\r", "\r", "\r", "\r"});
      ASSERT_TRUE(session.wait_for(kRestartWait)) << session.screen();
      session.type("\x04");  // counts as RETURN; the next distance prompt meets the end
    } else {
      answer(session, {"\r", "\x04"});
    }
    EXPECT_EQ(session.finish(), 0);
    EXPECT_TRUE(session.screen().ends_with(
        std::string("(to exit, enter 0)\n        [ Default:     1000.0 ].    Input=\n")
            .append(kClosing)))
        << session.screen();
    EXPECT_EQ(session.errors(), "");
  }
}

TEST(AtATerminal, CtrlDAtAnyOtherPromptStillEndsWithTheDiagnostic) {
  TerminalSession session;
  answer(session, {"\r", "300\r", "\x04"});
  EXPECT_EQ(session.finish(), 1);
  EXPECT_TRUE(one_diagnostic_line(session.errors())) << session.errors();
  EXPECT_TRUE(session.screen().ends_with(
      "    (relative to geographic north-direction)\n        [ Default:      275.0 ].    Input=\n"))
      << session.screen();
}

}  // namespace
}  // namespace hurricane::robustness
