// The one answer function: the same advice for a request whichever form it takes, the
// advisory's provenance with it, and the input at fault when there is no answer.
#include "answer/answer.h"

#include <gtest/gtest.h>

#include <string_view>

namespace hurricane::answer {
namespace {

constexpr std::string_view kTcm =
    "HURRICANE TEST FORECAST/ADVISORY NUMBER   4\n"
    "NWS NATIONAL HURRICANE CENTER MIAMI FL       AL992023\n"
    "2100 UTC SUN DEC 31 2023\n"
    "\n"
    "HURRICANE CENTER LOCATED NEAR 24.7N  66.4W AT 31/2100Z\n"
    "POSITION ACCURATE WITHIN  15 NM\n"
    "PRESENT MOVEMENT TOWARD THE NORTHWEST OR 315 DEGREES AT   6 KT\n"
    "MAX SUSTAINED WINDS 100 KT WITH GUSTS TO 120 KT.\n"
    "34 KT.......120NE 150SE 150SW 100NW.\n"
    "$$\n";

situation::Request six_values() {
  situation::Request r;
  r.distance = 1000;
  r.bearing = 275;
  r.track = 91;
  r.speed = 11;
  r.keep = 150;
  r.ship_speed = 7;
  r.hemisphere = analysis::Hemisphere::kSouth;
  return r;
}

TEST(Answer, SixValuesGiveTheAdviceOfTheirSituation) {
  const situation::Result<Answer> result = answer({six_values(), std::nullopt});
  ASSERT_TRUE(result.ok());
  const Answer& a = result.value();
  EXPECT_FALSE(a.advisory.has_value());
  EXPECT_EQ(a.advice.values.dist, 1000.0);
  EXPECT_EQ(a.advice.hemisphere, analysis::Hemisphere::kSouth);
  EXPECT_EQ(a.advice.verdict.keep_wind_on, analysis::WindSide::kPort);
  EXPECT_NEAR(*a.advice.max_cpa.course, 141.5, 0.05);
}

TEST(Answer, AnAdvisoryGivesTheStormAndItsProvenance) {
  situation::Request ship;
  ship.ship = "27N,70W";
  ship.ship_speed = 12.0;
  const situation::Result<Answer> result =
      answer({ship, advisory_situation::AdvisoryInput{kTcm, "", 10.0}});
  ASSERT_TRUE(result.ok());
  const Answer& a = result.value();
  ASSERT_TRUE(a.advisory.has_value());
  EXPECT_EQ(a.advisory->storm.storm.id, "AL992023");
  EXPECT_EQ(a.advice.values.cpa, 150.0 + 15 + 10);  // largest radius, accuracy, margin
  EXPECT_EQ(a.advice.values.track, 315.0);
  ASSERT_TRUE(a.situation.derived.has_value());
  EXPECT_EQ(a.advice.values.dist, a.situation.answers.dist0);
}

TEST(Answer, FailuresNameTheInputAndTheAdvisorysLine) {
  situation::Request no_bearing = six_values();
  no_bearing.bearing.reset();
  const situation::Result<Answer> missing = answer({no_bearing, std::nullopt});
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().field, situation::Field::kBearing);
  EXPECT_EQ(missing.error().line, 0u);
  // Other inputs are named by identity, for each front-end to word.
  EXPECT_EQ(missing.error().problem, "{distance} needs {bearing}");

  // The storm's own inputs conflict with an advisory's storm.
  const auto both = answer({six_values(), advisory_situation::AdvisoryInput{kTcm, "", {}}});
  ASSERT_FALSE(both.ok());
  EXPECT_EQ(both.error().kind, situation::ErrorKind::kConflict);
  EXPECT_EQ(both.error().problem, "the storm comes from {advisory}; give one or the other");

  situation::Request ship;
  ship.ship = "27N,70W";
  ship.ship_speed = 12.0;
  const auto unreadable =
      answer({ship, advisory_situation::AdvisoryInput{"HURRICANE TEST\nno more\n", "", {}}});
  ASSERT_FALSE(unreadable.ok());
  EXPECT_EQ(unreadable.error().field, situation::Field::kAdvisory);
  EXPECT_GE(unreadable.error().line, 1u);
}

}  // namespace
}  // namespace hurricane::answer
