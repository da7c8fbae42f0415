// The advisory's storm as a situation, without the command line: what a web request with an
// advisory text gets.
#include <gtest/gtest.h>

#include <string>

#include "answer/situation_from_advisory.h"

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

situation::Request ship_request() {
  situation::Request request;
  request.ship = "27N,70W";
  request.ship_speed = 12.0;
  return request;
}

TEST(KeepFromRadii, LargestRadiusAccuracyAndMargin) {
  advisory::Storm storm;
  EXPECT_FALSE(keep_from_radii(storm, std::nullopt));  // no 34-kt line
  storm.radii.kt34 = advisory::QuadrantRadii{{0, 0, 0, 0}};
  EXPECT_FALSE(keep_from_radii(storm, 10.0));  // all zero: no 34-kt winds
  storm.radii.kt34 = advisory::QuadrantRadii{{120, 150, 150, 100}};
  EXPECT_EQ(keep_from_radii(storm, std::nullopt)->source, "150 nm 34-kt radius (SE) = 150 nm");
  storm.accuracy_nm = 15;
  const std::optional<KeepDistance> keep = keep_from_radii(storm, 0.5);
  EXPECT_EQ(keep->nm, 165.5);
  EXPECT_EQ(keep->source,
            "150 nm 34-kt radius (SE) + 15 nm position accuracy + 0.5 nm margin = 165.5 nm");
}

TEST(SituationFromAdvisory, TheStormOfTheTextWithTheShip) {
  const auto formed = situation_from_advisory({kTcm, "", 5.0}, ship_request());
  ASSERT_TRUE(formed.ok());
  const AdvisedSituation& advised = formed.value();
  EXPECT_EQ(advised.situation.answers.cpa0, 170.0);  // 150 SE + 15 + 5
  EXPECT_EQ(advised.situation.answers.track0, 315.0);
  EXPECT_EQ(advised.situation.answers.speed0, 6.0);
  EXPECT_EQ(advised.advised.storm.id, "AL992023");
  EXPECT_EQ(advised.fix_age_hours, 0.0);
  EXPECT_EQ(situation::format_utc_time(*advised.situation.derived->storm_time),
            "2023-12-31T21:00:00Z");

  // --at across the year's end.
  situation::Request later = ship_request();
  later.at = "2024-01-01T03:00Z";
  const auto moved = situation_from_advisory({kTcm, "", std::nullopt}, later);
  ASSERT_TRUE(moved.ok());
  EXPECT_EQ(moved.value().fix_age_hours, 6.0);
  EXPECT_EQ(moved.value().situation.derived->hours_moved, 6.0);
}

TEST(SituationFromAdvisory, FailuresNameTheFieldAndTheLine) {
  const auto field_of = [](const Result<AdvisedSituation>& result) { return result.error().field; };
  situation::Request with_storm = ship_request();
  with_storm.storm = "20N,60W";
  EXPECT_EQ(field_of(situation_from_advisory({kTcm, "", std::nullopt}, with_storm)), Field::kStorm);
  situation::Request no_ship = ship_request();
  no_ship.ship.reset();
  EXPECT_EQ(field_of(situation_from_advisory({kTcm, "", std::nullopt}, no_ship)), Field::kShip);
  EXPECT_EQ(field_of(situation_from_advisory({kTcm, "", -1.0}, ship_request())), Field::kMargin);

  // A fault of the text: the advisory and its line.
  std::string broken(kTcm);
  broken.replace(broken.find("24.7N"), 5, "24.7Q");
  const auto unread = situation_from_advisory({broken, "", std::nullopt}, ship_request());
  const Error& failure = unread.error();
  EXPECT_EQ(failure.field, Field::kAdvisory);
  EXPECT_EQ(failure.line, 5u);
  // The wrong storm asked for.
  const auto other = situation_from_advisory({kTcm, "EP012024", std::nullopt}, ship_request());
  EXPECT_EQ(other.error().problem, "no storm EP012024 in the text, which holds AL992023");
}

// The judged window and stale advisories: an advice time more than 6 h before the analysis or
// more than 48 h after it is refused, one more than 12 h after it is STALE (first warning).
TEST(SituationFromAdvisory, AdviceTimeAgainstTheAnalysis) {
  const auto at = [](const char* time) {
    situation::Request request = ship_request();
    request.at = time;
    return situation_from_advisory({kTcm, "", std::nullopt}, request);
  };
  const auto too_early = at("2023-12-31T14:59Z");
  ASSERT_FALSE(too_early.ok());
  EXPECT_EQ(too_early.error().field, Field::kAt);
  EXPECT_NE(too_early.error().problem.find("analysis time 2023-12-31T21:00:00Z"),
            std::string::npos);
  EXPECT_TRUE(at("2023-12-31T15:00Z").ok());
  for (const char* fresh : {"2024-01-01T09:00Z", "2023-12-31T21:00Z"}) {
    ASSERT_TRUE(at(fresh).ok()) << fresh;
    EXPECT_FALSE(at(fresh).value().stale) << fresh;
  }
  const auto stale = at("2024-01-01T09:01Z");
  ASSERT_TRUE(stale.ok());
  ASSERT_TRUE(stale.value().stale);
  EXPECT_EQ(stale.value().situation.warnings.front(), *stale.value().stale);
  EXPECT_TRUE(stale.value().stale->starts_with("STALE"));
  EXPECT_TRUE(at("2024-01-02T21:00Z").ok());
  const auto refused = at("2024-01-02T21:01Z");
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error().field, Field::kAdvisory);
  EXPECT_NE(refused.error().problem.find("48.0 h old"), std::string::npos);
  EXPECT_NE(refused.error().problem.find("latest advisory"), std::string::npos);
  // "now" two years on.
  situation::Request now = ship_request();
  now.at = "now";
  now.now = *navigation::civil_time(2025, 12, 31, 21, 0);
  EXPECT_EQ(situation_from_advisory({kTcm, "", std::nullopt}, now).error().field, Field::kAdvisory);
}

TEST(StormMotion, FromThePreviousFixOrNone) {
  advisory::Storm storm;
  const navigation::UtcTime fix_time = *navigation::civil_time(2023, 9, 12, 18, 0);
  storm.fix = {{24.5, -66.2}, fix_time};
  EXPECT_FALSE(storm_motion(storm).ok());  // neither stated nor an earlier fix
  storm.previous = advisory::Fix{{24.5, -67.2}, fix_time};
  EXPECT_EQ(storm_motion(storm).error().field, Field::kAdvisory);  // same time
  storm.previous->time -= std::chrono::hours{6};
  const Result<StormMotion> motion = storm_motion(storm);
  ASSERT_TRUE(motion.ok());
  EXPECT_EQ(motion.value().source, MotionSource::kFixes);
  EXPECT_NEAR(motion.value().motion.track, 90.2, 0.2);  // due east, turning south of it
  EXPECT_NEAR(motion.value().motion.speed, 60 * 0.9100 / 6, 0.05);
  storm.motion = {advisory::Motion::Kind::kStationary, {}};
  EXPECT_EQ(storm_motion(storm).value().source, MotionSource::kStationary);
  EXPECT_EQ(storm_motion(storm).value().motion.speed, 0.0);
}

}  // namespace
}  // namespace hurricane::answer
