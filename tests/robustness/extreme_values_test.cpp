// Values at the edges of the bound and of double precision, at every prompt and
// in the pairs that the analysis compares with each other.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "robustness/sessions.h"

namespace hurricane::robustness {
namespace {

const std::vector<std::string> kExtremes = {"999999", "-999999", "1e-300",
                                            "0",      "1e308",   "4.9e-324"};

// Answer lines: 0 hemisphere, 1 distance, 2 bearing, 3 track, 4 speed, 5 radius, 6 ship speed.
enum Prompt { kHemisphere, kDistance, kBearing, kTrack, kSpeed, kRadius, kShipSpeed, kPrompts };

// A round with the given answers, a round of defaults, then the end.
std::string two_rounds(const std::vector<std::string>& first) {
  std::vector<std::string> answers = first;
  answers.resize(kPrompts);
  for (const char* rest : {"", "", "", "", "", "", "", "", "0"}) answers.emplace_back(rest);
  return typed(answers);
}

// A session that ran its rounds and ended as asked, with no value gone wrong
// on the way: not-a-number or infinity shows as text no line should hold, and
// the range finder's error line means the course field made no sense.
void expect_sound(const Session& s, const std::string& label) {
  EXPECT_EQ(s.status, 0) << label << ": " << s.err;
  EXPECT_TRUE(s.out.ends_with(kClosing)) << label;
  for (const char* wrong : {"nan", "inf", "error kfeld"}) {
    EXPECT_EQ(s.out.find(wrong), std::string::npos) << label << " shows " << wrong;
  }
}

// The default that the second round's prompt `p` shows.
std::string second_round_default(const std::string& out, int p) {
  std::size_t at = out.find(kRestartWait);
  for (int n = 0; n < p && at != std::string::npos; ++n) at = out.find("[ Default:", at + 1);
  return at == std::string::npos ? "" : out.substr(at, 23);
}

TEST(ExtremeValues, AtEveryPromptRunAndBecomeBoundedDefaults) {
  for (int p = kHemisphere; p < kPrompts; ++p) {
    for (const std::string& value : kExtremes) {
      std::vector<std::string> answers(kPrompts);
      answers[static_cast<std::size_t>(p)] = value;
      const std::string label = "prompt " + std::to_string(p) + " = " + value;
      const Session s = run_session(two_rounds(answers));
      expect_sound(s, label);
      const bool huge = value == "999999" || value == "-999999" || value == "1e308";
      if (p == kDistance && (value == "0" || value == "-999999")) {
        EXPECT_EQ(occurrences(s.out, kRestartWait), 0) << label;  // ends the run at once
      } else if (p != kHemisphere) {
        EXPECT_EQ(second_round_default(s.out, p),
                  huge ? "[ Default:   999999.0 ]" : "[ Default:        0.0 ]")
            << label;
      }
    }
  }
}

// The analysis compares distance with radius, hurricane with ship speed, and
// bearing with track: every pair of extremes in each.
TEST(ExtremeValues, PairsThatTheAnalysisCompares) {
  for (const auto& [a, b] : {std::pair{kDistance, kRadius}, std::pair{kSpeed, kShipSpeed},
                             std::pair{kBearing, kTrack}}) {
    for (const std::string& first : kExtremes) {
      for (const std::string& second : kExtremes) {
        std::vector<std::string> answers(kPrompts);
        answers[static_cast<std::size_t>(a)] = first;
        answers[static_cast<std::size_t>(b)] = second;
        expect_sound(run_session(two_rounds(answers)),
                     std::to_string(a) + "=" + first + ", " + std::to_string(b) + "=" + second);
      }
    }
  }
}

TEST(ExtremeValues, RequiredDistanceEqualToTheDistance) {
  for (const char* both : {"150", "999999", "1e-300", "4.9e-324", "0.5", "1e308"}) {
    expect_sound(run_session(two_rounds({"", both, "", "", "", both, ""})), both);
  }
}

TEST(ExtremeValues, AllAnswersTheSame) {
  for (const std::string& value : kExtremes) {
    expect_sound(run_session(two_rounds(std::vector<std::string>(kPrompts, value))), value);
  }
  // All zeros but for the distance, which would end the run.
  for (const char* distance : {"1e-300", "4.9e-324", "1"}) {
    expect_sound(run_session(two_rounds({"0", distance, "0", "0", "0", "0", "0"})), distance);
  }
}

}  // namespace
}  // namespace hurricane::robustness
