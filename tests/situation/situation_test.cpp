// Forming one situation: the six values from given numbers or from positions and fixes, the
// hemisphere, moving the storm, and every missing, conflicting or unusable input.
#include <gtest/gtest.h>

#include "navigation/geodesic.h"
#include "situation/situation.h"

namespace hurricane::situation {
namespace {

using navigation::inverse;
using navigation::Leg;

Request plain_request() {
  Request request;
  request.distance = 1000;
  request.bearing = 275;
  request.track = 91;
  request.speed = 11;
  request.keep = 150;
  request.ship_speed = 7;
  return request;
}

Request position_request() {
  Request request;
  request.ship = "40.6N,73.8W";
  request.storm = "51.6N,0.5W";
  request.track = 91;
  request.speed = 11;
  request.keep = 150;
  request.ship_speed = 7;
  return request;
}

Error error_of(const Request& request) {
  const Result<Situation> result = form_situation(request);
  EXPECT_FALSE(result.ok());
  return result.ok() ? Error{} : result.error();
}

TEST(Situation, GivenValuesPassThrough) {
  const Situation situation = form_situation(plain_request()).value();
  EXPECT_EQ(situation.answers.dist0, 1000);
  EXPECT_EQ(situation.answers.bear0, 275);
  EXPECT_EQ(situation.answers.track0, 91);
  EXPECT_EQ(situation.answers.speed0, 11);
  EXPECT_EQ(situation.answers.cpa0, 150);
  EXPECT_EQ(situation.answers.vship0, 7);
  EXPECT_EQ(situation.hemisphere, analysis::Hemisphere::kNorth);
  EXPECT_FALSE(situation.derived);
  EXPECT_TRUE(situation.warnings.empty());
}

TEST(Situation, DistanceAndBearingFromPositions) {
  const Situation situation = form_situation(position_request()).value();
  EXPECT_NEAR(situation.answers.dist0, 2997.71, 0.005);
  EXPECT_NEAR(situation.answers.bear0, 51.198883, 1e-6);
  ASSERT_TRUE(situation.derived);
  EXPECT_EQ(situation.derived->ship->lat, 40.6);
  EXPECT_EQ(situation.derived->storm->lon, -0.5);
  EXPECT_FALSE(situation.derived->storm_time);
  EXPECT_FALSE(situation.derived->fixes);
}

TEST(Situation, HemisphereFollowsTheShipUnlessGiven) {
  Request request = position_request();
  request.ship = "33.9S,151.2E";
  request.storm = "30S,155E";
  EXPECT_EQ(form_situation(request).value().hemisphere, analysis::Hemisphere::kSouth);
  EXPECT_TRUE(form_situation(request).value().warnings.empty());
  request.hemisphere = analysis::Hemisphere::kNorth;
  const Situation north = form_situation(request).value();
  EXPECT_EQ(north.hemisphere, analysis::Hemisphere::kNorth);
  // Pins: a hemisphere given against the storm's latitude was taken silently.
  ASSERT_EQ(north.warnings.size(), 1u);
  EXPECT_NE(north.warnings[0].find("30.0S, in the southern"), std::string::npos)
      << north.warnings[0];
  request.hemisphere = analysis::Hemisphere::kSouth;
  EXPECT_TRUE(form_situation(request).value().warnings.empty());
  request.storm = "0.0N,155E";  // on the equator it names no hemisphere
  request.hemisphere = analysis::Hemisphere::kNorth;
  const Situation on_equator = form_situation(request).value();
  for (const std::string& warning : on_equator.warnings) {
    EXPECT_EQ(warning.find("hemisphere"), std::string::npos) << warning;
  }
  request = plain_request();
  request.hemisphere = analysis::Hemisphere::kSouth;
  EXPECT_EQ(form_situation(request).value().hemisphere, analysis::Hemisphere::kSouth);
}

TEST(Situation, FixesGiveMotionAndTheStormsPositionAndTime) {
  Request request = position_request();
  request.storm.reset();
  request.track.reset();
  request.speed.reset();
  request.storm_fixes = {"2023-09-12T12:00Z,25N,60W", "2023-09-12T18:00Z,26N,61W"};
  const Situation situation = form_situation(request).value();
  const Leg motion = inverse({25, -60}, {26, -61});
  EXPECT_EQ(situation.answers.track0, motion.azimuth_to);
  EXPECT_EQ(situation.answers.speed0, motion.distance_nm / 6.0);
  EXPECT_EQ(situation.answers.dist0, inverse({40.6, -73.8}, {26, -61}).distance_nm);
  ASSERT_TRUE(situation.derived);
  EXPECT_TRUE(situation.derived->storm_from_fix);
  EXPECT_EQ(format_utc_time(*situation.derived->storm_time), "2023-09-12T18:00:00Z");
  // A position given as well stands for the storm, at the later fix's time.
  request.storm = "27N,62W";
  const Situation placed = form_situation(request).value();
  EXPECT_EQ(placed.answers.dist0, inverse({40.6, -73.8}, {27, -62}).distance_nm);
  EXPECT_FALSE(placed.derived->storm_from_fix);
}

TEST(Situation, AtMovesTheStormAlongItsTrack) {
  Request request = position_request();
  request.storm.reset();
  request.track.reset();
  request.speed.reset();
  request.storm_fixes = {"2023-09-12T12:00Z,25N,60W", "2023-09-12T18:00Z,26N,61W"};
  const Situation at_fix = form_situation(request).value();
  request.at = "2023-09-13T00:00Z";
  const Situation moved = form_situation(request).value();
  EXPECT_TRUE(moved.warnings.empty());
  const Derived& derived = *moved.derived;
  EXPECT_EQ(derived.hours_moved, 6.0);
  EXPECT_EQ(format_utc_time(*derived.storm_time), "2023-09-13T00:00:00Z");
  EXPECT_EQ(derived.moved_from->lat, 26.0);
  const Leg covered = inverse({26, -61}, *derived.storm);
  EXPECT_NEAR(covered.distance_nm, at_fix.answers.speed0 * 6.0, 1e-9);
  EXPECT_NEAR(covered.azimuth_from, at_fix.answers.track0, 1e-9);
  EXPECT_NEAR(moved.answers.track0, covered.azimuth_to, 1e-9);
  EXPECT_EQ(moved.answers.dist0, inverse({40.6, -73.8}, *derived.storm).distance_nm);

  request.at = "2023-09-13T06:00:01Z";  // just over 12 hours ahead
  ASSERT_EQ(form_situation(request).value().warnings.size(), 1u);
  EXPECT_NE(form_situation(request).value().warnings[0].find("12.0 hours after"),
            std::string::npos);
  request.at = "2023-09-12T17:59Z";  // any time back
  ASSERT_EQ(form_situation(request).value().warnings.size(), 1u);
  request.at = "2023-09-13T06:00Z";  // exactly 12 hours
  EXPECT_TRUE(form_situation(request).value().warnings.empty());
}

TEST(Situation, MissingAndConflictingInputs) {
  struct Case {
    const char* what;
    Request request;
    ErrorKind kind;
    Field field;
  };
  std::vector<Case> cases;
  auto with = [](Request r, auto change) {
    change(r);
    return r;
  };
  const Request plain = plain_request();
  const Request positions = position_request();
  cases.push_back({"neither",
                   with(plain,
                        [](Request& r) {
                          r.distance.reset();
                          r.bearing.reset();
                        }),
                   ErrorKind::kMissing, Field::kDistance});
  cases.push_back({"distance and storm", with(plain, [](Request& r) { r.storm = "20N,60W"; }),
                   ErrorKind::kConflict, Field::kStorm});
  cases.push_back({"distance and ship", with(plain, [](Request& r) { r.ship = "20N,60W"; }),
                   ErrorKind::kConflict, Field::kShip});
  cases.push_back({"distance alone", with(plain, [](Request& r) { r.bearing.reset(); }),
                   ErrorKind::kMissing, Field::kBearing});
  cases.push_back({"bearing alone", with(plain, [](Request& r) { r.distance.reset(); }),
                   ErrorKind::kMissing, Field::kDistance});
  cases.push_back({"ship alone", with(positions, [](Request& r) { r.storm.reset(); }),
                   ErrorKind::kMissing, Field::kStorm});
  cases.push_back({"storm alone", with(positions, [](Request& r) { r.ship.reset(); }),
                   ErrorKind::kMissing, Field::kShip});
  cases.push_back({"no motion",
                   with(plain,
                        [](Request& r) {
                          r.track.reset();
                          r.speed.reset();
                        }),
                   ErrorKind::kMissing, Field::kTrack});
  cases.push_back({"track alone", with(plain, [](Request& r) { r.speed.reset(); }),
                   ErrorKind::kMissing, Field::kSpeed});
  cases.push_back({"no keep", with(plain, [](Request& r) { r.keep.reset(); }), ErrorKind::kMissing,
                   Field::kKeep});
  cases.push_back({"no ship speed", with(plain, [](Request& r) { r.ship_speed.reset(); }),
                   ErrorKind::kMissing, Field::kShipSpeed});
  cases.push_back(
      {"one fix",
       with(positions, [](Request& r) { r.storm_fixes = {"2023-09-12T12:00Z,25N,60W"}; }),
       ErrorKind::kMissing, Field::kStormFix});
  cases.push_back(
      {"fixes and track",
       with(positions,
            [](Request& r) {
              r.storm_fixes = {"2023-09-12T12:00Z,25N,60W", "2023-09-12T18:00Z,26N,61W"};
            }),
       ErrorKind::kConflict, Field::kTrack});
  cases.push_back({"at without time",
                   with(positions, [](Request& r) { r.at = "2023-09-12T18:00Z"; }),
                   ErrorKind::kMissing, Field::kAt});
  cases.push_back({"at with distance", with(plain, [](Request& r) { r.at = "2023-09-12T18:00Z"; }),
                   ErrorKind::kConflict, Field::kAt});
  for (const Case& c : cases) {
    const Error error = error_of(c.request);
    EXPECT_EQ(error.kind, c.kind) << c.what;
    EXPECT_EQ(error.field, c.field) << c.what;
    EXPECT_FALSE(error.problem.empty()) << c.what;
    // Inputs by identity only: no front-end's name for them.
    EXPECT_EQ(error.problem.find("--"), std::string::npos) << c.what << ": " << error.problem;
  }
}

TEST(Situation, ErrorsAndWarningsAreWordedByEachFrontEnd) {
  const auto option = [](Field field) { return "--" + std::string(field_id(field)); };
  EXPECT_EQ(worded("give {track} and {speed}, or {storm_fix} twice", option),
            "give --track and --speed, or --storm_fix twice");
  // Braces that name no input stay as they are, so does an unclosed one.
  EXPECT_EQ(worded("{x} {ship_speed}{at} {", option), "{x} --ship_speed--at {");
  EXPECT_EQ(worded("", option), "");

  Request request = position_request();
  request.storm_fixes = {"2023-09-12T12:00Z,25N,60W", "2023-09-12T18:00Z,26N,61W"};
  request.track.reset();
  request.speed.reset();
  request.storm.reset();
  request.at = "2023-09-14T00:00Z";  // 30 hours on
  const Result<Situation> moved = form_situation(request);
  ASSERT_TRUE(moved.ok());
  ASSERT_EQ(moved.value().warnings.size(), 1u);
  EXPECT_EQ(worded(moved.value().warnings[0], option).rfind("--at 2023-09-14T00:00:00Z", 0), 0u)
      << moved.value().warnings[0];
}

TEST(Situation, UnusableValuesNameTheirInput) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<std::optional<double> Request::*, Field> numbers[] = {
      {&Request::distance, Field::kDistance}, {&Request::bearing, Field::kBearing},
      {&Request::track, Field::kTrack},       {&Request::speed, Field::kSpeed},
      {&Request::keep, Field::kKeep},         {&Request::ship_speed, Field::kShipSpeed}};
  for (const auto& [member, field] : numbers) {
    for (const double bad : {-1.0, nan, inf, -inf}) {
      Request request = plain_request();
      request.*member = bad;
      const Error error = error_of(request);
      EXPECT_EQ(error.kind, ErrorKind::kUnusable) << field_id(field) << " " << bad;
      EXPECT_EQ(error.field, field) << bad;
      EXPECT_FALSE(error.value.empty());
    }
  }
  Request request = position_request();
  request.ship = "91N,0E";
  EXPECT_EQ(error_of(request).field, Field::kShip);
  request = position_request();
  request.storm_fixes = {"2023-09-12T18:00Z,25N,60W", "2023-09-12T12:00Z,26N,61W"};
  request.track.reset();
  request.speed.reset();
  EXPECT_EQ(error_of(request).field, Field::kStormFix);
  request.storm_fixes = {"2023-09-12T12:00Z,25N,60W", "2023-09-12T18:00Z,26N,61W"};
  request.at = "tomorrow";
  EXPECT_EQ(error_of(request).field, Field::kAt);
  // Zero is usable for a storm at rest and a ship stopped; a ship on the centre (within
  // 1 nm) has no bearing to steer by.
  request = plain_request();
  request.speed = 0;
  request.ship_speed = 0;
  EXPECT_TRUE(form_situation(request).ok());
  request.distance = 0;
  EXPECT_EQ(error_of(request).field, Field::kDistance);
  request.distance = 1;
  EXPECT_TRUE(form_situation(request).ok());
}

}  // namespace
}  // namespace hurricane::situation
