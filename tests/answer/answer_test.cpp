// The one answer function: the same advice for a request whichever form it takes, the
// advisory's provenance with it, and the input at fault when there is no answer.
#include "answer/answer.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "land/land.h"
#include "land/mercator.h"

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
  const Result<Answer> result = answer({six_values(), std::nullopt});
  ASSERT_TRUE(result.ok());
  const Answer& a = result.value();
  EXPECT_FALSE(a.advisory.has_value());
  EXPECT_EQ(a.advice->values.dist, 1000.0);
  EXPECT_EQ(a.advice->hemisphere, analysis::Hemisphere::kSouth);
  EXPECT_EQ(a.advice->verdict.keep_wind_on, analysis::WindSide::kPort);
  EXPECT_NEAR(*a.advice->max_cpa.course, 141.5, 0.05);
}

TEST(Answer, AnAdvisoryGivesTheStormAndItsProvenance) {
  situation::Request ship;
  ship.ship = "27N,70W";
  ship.ship_speed = 12.0;
  const Result<Answer> result = answer({ship, answer::AdvisoryInput{kTcm, "", 10.0}});
  ASSERT_TRUE(result.ok());
  const Answer& a = result.value();
  ASSERT_TRUE(a.advisory.has_value());
  EXPECT_EQ(a.advisory->storm.storm.id, "AL992023");
  EXPECT_EQ(a.advice->values.cpa, 150.0 + 15 + 10);  // largest radius, accuracy, margin
  EXPECT_EQ(a.advice->values.track, 315.0);
  ASSERT_TRUE(a.situation.derived.has_value());
  EXPECT_EQ(a.advice->values.dist, a.situation.answers.dist0);
}

TEST(Answer, FailuresNameTheInputAndTheAdvisorysLine) {
  situation::Request no_bearing = six_values();
  no_bearing.bearing.reset();
  const Result<Answer> missing = answer({no_bearing, std::nullopt});
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().field, Field::kBearing);
  EXPECT_EQ(missing.error().line, 0u);
  // Other inputs are named by identity, for each front-end to word.
  EXPECT_EQ(missing.error().problem, "{distance} needs {bearing}");

  // The storm's own inputs conflict with an advisory's storm.
  const auto both = answer({six_values(), answer::AdvisoryInput{kTcm, "", {}}});
  ASSERT_FALSE(both.ok());
  EXPECT_EQ(both.error().kind, ErrorKind::kConflict);
  EXPECT_EQ(both.error().problem, "the storm comes from {advisory}; give one or the other");

  situation::Request ship;
  ship.ship = "27N,70W";
  ship.ship_speed = 12.0;
  const auto unreadable =
      answer({ship, answer::AdvisoryInput{"HURRICANE TEST\nno more\n", "", {}}});
  ASSERT_FALSE(unreadable.ok());
  EXPECT_EQ(unreadable.error().field, Field::kAdvisory);
  EXPECT_GE(unreadable.error().line, 1u);
}

// An atoll: land between two squares, a lagoon inside (9..12N 41..38W around 10..11N 40..39W).
// From the lagoon's middle every course meets land 30 to 43 nm away.
land::Land atoll() {
  const auto y = [](double lat) { return static_cast<float>(land::isometric_latitude(lat)); };
  return land::Land(
      land::Shoreline{"test atoll",
                      {-41, -38, -38, -41, -41, -40, -39, -39, -40, -40},
                      {y(9), y(9), y(12), y(12), y(9), y(10), y(10), y(11), y(11), y(10)},
                      {0, 5, 10}});
}

situation::Request in_the_lagoon() {
  situation::Request r;
  r.ship = "10.5N,39.5W";
  r.storm = "9.0N,42.5W";
  r.track = 45;
  r.speed = 10;
  r.keep = 100;
  r.ship_speed = 12;
  return r;
}

TEST(Answer, EscapesAreHeldAgainstTheShoreline) {
  const land::Land shoreline = atoll();
  const auto result = answer({in_the_lagoon(), std::nullopt, &shoreline});
  ASSERT_TRUE(result.ok());
  const analysis::CourseAdvice& courses = result.value().advice->courses;
  EXPECT_EQ(courses.land.check, analysis::LandCheck::kChecked);
  EXPECT_EQ(courses.land.shoreline, "test atoll");
  ASSERT_FALSE(courses.escapes.empty());
  for (const analysis::Escape& escape : courses.escapes) {
    ASSERT_TRUE(escape.land) << escape.course;
    EXPECT_GT(escape.land->hour, 30.0 / 12.0 - 0.01);
    EXPECT_LT(escape.land->hour, 43.0 / 12.0);
  }

  // Without a shoreline land is left out, and says so; without a position nothing is checked.
  const auto off = answer({in_the_lagoon(), std::nullopt, nullptr});
  ASSERT_TRUE(off.ok());
  EXPECT_EQ(off.value().advice->courses.land.check, analysis::LandCheck::kOff);
  EXPECT_FALSE(off.value().advice->courses.escapes.front().land);
  const auto six = answer({six_values(), std::nullopt, &shoreline});
  ASSERT_TRUE(six.ok());
  EXPECT_EQ(six.value().advice->courses.land.check, analysis::LandCheck::kNoPosition);
}

TEST(Answer, AShipAshoreIsAFailureOfItsPosition) {
  const land::Land shoreline = atoll();
  situation::Request ashore = in_the_lagoon();
  ashore.ship = "9.5N,39.5W";  // on the atoll's rim
  const auto result = answer({ashore, std::nullopt, &shoreline});
  ASSERT_FALSE(result.ok());
  const Error& error = result.error();
  EXPECT_EQ(error.field, Field::kShip);
  EXPECT_EQ(error.value, "9.5N,39.5W");
  EXPECT_NE(error.problem.find("09\u00b030.0'N 039\u00b030.0'W is on land (test atoll)"),
            std::string::npos)
      << error.problem;
}

// A depression: no 34-kt line, one forecast point, near the atoll.
constexpr std::string_view kDepressionTcm =
    "TROPICAL DEPRESSION TEST FORECAST/ADVISORY NUMBER   1\n"
    "NWS NATIONAL HURRICANE CENTER MIAMI FL       AL992023\n"
    "2100 UTC SUN SEP 10 2023\n"
    "\n"
    "TROPICAL DEPRESSION CENTER LOCATED NEAR  9.0N  42.5W AT 10/2100Z\n"
    "POSITION ACCURATE WITHIN  20 NM\n"
    "PRESENT MOVEMENT TOWARD THE NORTHEAST OR  45 DEGREES AT  10 KT\n"
    "MAX SUSTAINED WINDS  30 KT WITH GUSTS TO  40 KT.\n"
    "\n"
    "FORECAST VALID 11/0900Z 10.0N  41.5W\n"
    "MAX WIND  30 KT...GUSTS  40 KT.\n"
    "\n"
    "$$\n";

situation::Request ship_at(const char* position) {
  situation::Request r;
  r.ship = position;
  r.ship_speed = 12.0;
  return r;
}

// Without 34-kt winds and a keep the classic advice is left out, saying it needs the keep, and
// [F] is still given; the ship's position is still held against land.
TEST(Answer, ADepressionWithoutKeepGivesForecastAdviceAlone) {
  const answer::AdvisoryInput depression{kDepressionTcm, "", {}};
  const auto result = answer({ship_at("8N,44W"), depression});
  ASSERT_TRUE(result.ok());
  const Answer& a = result.value();
  EXPECT_FALSE(a.advice);
  ASSERT_TRUE(a.classic_needs);
  EXPECT_EQ(a.classic_needs->field, Field::kKeep);
  EXPECT_EQ(a.classic_needs->kind, ErrorKind::kMissing);
  EXPECT_EQ(a.situation.answers.cpa0, 0.0);
  EXPECT_EQ(a.advisory->keep_source, "none: the advisory gives no 34-kt wind radius");
  ASSERT_TRUE(a.forecast && a.forecast->advice);
  EXPECT_TRUE(a.forecast->advice->sweep.judged);
  EXPECT_FALSE(a.forecast->advice->classic_course);  // nothing to compare with

  situation::Request kept = ship_at("8N,44W");
  kept.keep = 80;
  const auto with_keep = answer({kept, depression});
  ASSERT_TRUE(with_keep.ok());
  EXPECT_EQ(with_keep.value().advice->values.cpa, 80.0);
  EXPECT_FALSE(with_keep.value().classic_needs);

  const land::Land shoreline = atoll();
  const auto ashore = answer({ship_at("9.5N,39.5W"), depression, &shoreline});
  ASSERT_FALSE(ashore.ok());
  EXPECT_EQ(ashore.error().field, Field::kShip);
}

}  // namespace
}  // namespace hurricane::answer
