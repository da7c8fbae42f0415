#include "dialogue/driver.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace hurricane::dialogue {
namespace {

struct Session {
  int status;
  std::string out;
  std::string err;
};

Session run(const std::string& typed, SessionOptions options = {}) {
  std::istringstream in(typed);
  std::ostringstream out;
  std::ostringstream err;
  const int status = run_advisor(in, out, err, options);
  return {status, out.str(), err.str()};
}

int count(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

constexpr const char* kClosing = " ~~~~~~~~~~~~~~~~~~~END of Program~~~~~~~~~~~~~~~~~~~~\n\n";
constexpr const char* kSouth = "(Ship position is in SOUTHERN hemisphere of earth)";
constexpr const char* kNorth = "(Ship position is in NORTHERN hemisphere of earth)";

TEST(Driver, DistanceOfZeroOrLessEndsTheRun) {
  for (const char* distance : {"0", "-5", "-0", "-1e-300"}) {
    const Session s = run(std::string("\n") + distance + "\n");
    EXPECT_EQ(s.status, 0) << distance;
    EXPECT_TRUE(s.out.ends_with(std::string(" ") + distance) == false);
    EXPECT_TRUE(s.out.ends_with(kClosing)) << distance;
    EXPECT_EQ(count(s.out, "Direction of hurricane"), 0) << distance;
    EXPECT_EQ(s.err, "");
  }
}

TEST(Driver, HemisphereAnswerIsLiftedByATenthThenTruncated) {
  for (const char* south : {"2", "3", "1.9", "999999"}) {
    EXPECT_EQ(count(run(std::string(south) + "\n0\n").out, kSouth), 1) << south;
  }
  for (const char* north : {"1", "0", "-1", "1.85", "-999999", "\n"}) {
    EXPECT_EQ(count(run(std::string(north) + "\n0\n").out, kNorth), 1) << north;
  }
}

TEST(Driver, FailuresEndWithStatusOneAndOneDiagnostic) {
  const Session unreadable = run("\nabc\n");
  EXPECT_EQ(unreadable.status, 1);
  EXPECT_TRUE(unreadable.out.ends_with(" abc     \n"));
  EXPECT_EQ(count(unreadable.err, "\n"), 1);
  EXPECT_NE(unreadable.err.find("\"abc\""), std::string::npos);

  const Session ended = run("\n");
  EXPECT_EQ(ended.status, 1);
  EXPECT_TRUE(ended.out.ends_with("Input=\n"));
  EXPECT_EQ(count(ended.err, "\n"), 1);

  const Session garbage = run(std::string("\x01\xff\x00z\n", 5));
  EXPECT_EQ(garbage.status, 1);
  EXPECT_NE(garbage.err.find("\\x01\\xff\\x00z"), std::string::npos);
}

TEST(Driver, EndOfInputAtTheRestartWaitStopsAtTheNextPrompt) {
  const Session s = run("\n\n\n\n\n\n\n");
  EXPECT_EQ(s.status, 1);
  EXPECT_EQ(count(s.out, "<..hit RETURN to restart>"), 1);
  EXPECT_EQ(count(s.out, "(to exit, enter 0)"), 2);
  EXPECT_TRUE(s.out.ends_with("(to exit, enter 0)\n        [ Default:     1000.0 ].    Input=\n"));
}

TEST(Driver, AnswersBecomeNonNegativeDefaults) {
  const Session s = run("\n100\n-90\n-10\n-11\n-50\n-12\n\n\n\n\n\n\n\n\n0\n");
  EXPECT_EQ(s.status, 0);
  EXPECT_NE(s.out.find(" Distance of HUR [nm]= 100.  Direction of HUR seen from ship [deg]=  90."),
            std::string::npos);
  EXPECT_NE(s.out.find("Advancement-speed of HUR [kt]= 11.0+- 5.5"), std::string::npos);
  EXPECT_EQ(count(s.out, "[ Default:       90.0 ]"), 1);
  EXPECT_EQ(count(s.out, "[ Default:       12.0 ]"), 1);
}

TEST(Driver, AttributionScreenOnlyForItsDate) {
  const std::string screen = "          ------  hit [ENTER] to continue :\n";
  EXPECT_EQ(count(run("\n17\n9\n1961\n\n\n\nany text\n\n0\n").out, screen), 1);
  EXPECT_EQ(count(run("\n17.5\n-9\n1961.2\n\n\n\n\n\n0\n").out, screen), 1);
  EXPECT_EQ(count(run("\n18\n9\n1961\n\n\n\n\n0\n").out, screen), 0);
  EXPECT_EQ(count(run("\n17\n9\n1960\n\n\n\n\n0\n").out, screen), 0);
  const Session ended = run("\n17\n9\n1961\n\n\n\n");
  EXPECT_EQ(ended.status, 1);
  EXPECT_TRUE(ended.out.ends_with(screen));
}

// At a terminal the end of input (Ctrl-D) at the distance prompt is a way to stop; at any
// other read it still means the answers are lost. Piped, every end of input fails.
TEST(Driver, AtATerminalTheEndOfInputAtTheDistancePromptEndsLikeZero) {
  const SessionOptions terminal{.interactive = true};
  const std::string at_distance = "\n";
  const std::string at_restart_wait = "\n\n\n\n\n\n\n";
  for (const std::string& typed : {at_distance, at_restart_wait}) {
    const Session ended = run(typed, terminal);
    EXPECT_EQ(ended.status, 0);
    EXPECT_TRUE(ended.out.ends_with("Input=\n" + std::string(kClosing)));
    EXPECT_EQ(ended.err, "");
    EXPECT_EQ(run(typed).status, 1);
  }
  for (const char* typed : {"", "\n17\n", "\n17\n9\n1961\n\n\n\n"}) {
    const Session ended = run(typed, terminal);  // hemisphere, direction, attribution screen
    EXPECT_EQ(ended.status, 1) << typed;
    EXPECT_EQ(count(ended.err, "\n"), 1);
    EXPECT_EQ(count(ended.out, kClosing), 0);
  }
}

}  // namespace
}  // namespace hurricane::dialogue
