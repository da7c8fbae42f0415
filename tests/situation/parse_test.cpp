// Reading positions, times and numbers: the forms accepted and the values refused.
#include <gtest/gtest.h>

#include "situation/number.h"
#include "situation/position.h"
#include "situation/storm.h"
#include "situation/utc_time.h"

namespace hurricane::situation {
namespace {

LatLon position(std::string_view text) {
  const Result<LatLon> result = parse_position(Field::kShip, text);
  EXPECT_TRUE(result.ok()) << text;
  return result.ok() ? result.value() : LatLon{};
}

std::string position_problem(std::string_view text) {
  const Result<LatLon> result = parse_position(Field::kStorm, text);
  EXPECT_FALSE(result.ok()) << text;
  if (result.ok()) return "";
  EXPECT_EQ(result.error().field, Field::kStorm);
  EXPECT_EQ(result.error().value, text);
  EXPECT_EQ(result.error().kind, ErrorKind::kUnusable);
  return result.error().problem;
}

TEST(Position, DecimalAndLetteredForms) {
  EXPECT_EQ(position("24.7,-66.4").lat, 24.7);
  EXPECT_EQ(position("24.7,-66.4").lon, -66.4);
  EXPECT_EQ(position("24.7N,66.4W").lon, -66.4);
  EXPECT_EQ(position("24.7S,66.4E").lat, -24.7);
  EXPECT_EQ(position("26.3N,179.3E").lon, 179.3);
  EXPECT_EQ(position(" 24.7n , 66.4w ").lon, -66.4);
  EXPECT_EQ(position("+90,-180").lat, 90.0);
  EXPECT_EQ(position("-90,180").lon, 180.0);
}

TEST(Position, RefusedWithTheReason) {
  EXPECT_EQ(position_problem("95N,10W"), "latitude beyond 90 degrees");
  EXPECT_EQ(position_problem("-90.5,0"), "latitude beyond 90 degrees");
  EXPECT_EQ(position_problem("10,180.1"), "longitude beyond 180 degrees");
  for (const char* text :
       {"", "24.7", "24.7N,66.4W,3", "24.7E,66.4W", "24.7N,66.4N", "-24.7N,66W", "N,66W", "24.7,",
        "nan,0", "0,inf", "1e999,0", "24.7 N 66.4 W", "24,7N,66,4W", "0x10,0"}) {
    EXPECT_NE(position_problem(text), "") << text;
  }
}

TEST(Position, FormatsToATenthWithLetters) {
  EXPECT_EQ(format_position({24.66, -66.44}), "24.7N 66.4W");
  EXPECT_EQ(format_position({-0.04, 179.96}), "0.0N 180.0E");
  EXPECT_EQ(format_position({-33.85, 151.2}), "33.9S 151.2E");
}

TEST(Number, WholeTextFiniteOnly) {
  EXPECT_EQ(parse_number(Field::kDistance, "250").value(), 250.0);
  EXPECT_EQ(parse_number(Field::kDistance, "+2.5e2").value(), 250.0);
  EXPECT_EQ(parse_number(Field::kDistance, "-.5").value(), -0.5);
  for (const char* text :
       {"", "+", "-", "+-1", "1e", "12kn", " 1", "nan", "-nan", "inf", "1e400", "0x1p3"}) {
    const Result<double> result = parse_number(Field::kSpeed, text);
    ASSERT_FALSE(result.ok()) << text;
    EXPECT_EQ(result.error().field, Field::kSpeed);
    EXPECT_EQ(result.error().value, text);
  }
}

TEST(UtcTime, AcceptedFormsAndTheirText) {
  const auto read = [](std::string_view text) {
    const Result<UtcTime> result = parse_utc_time(Field::kAt, text);
    EXPECT_TRUE(result.ok()) << text;
    return result.ok() ? format_utc_time(result.value()) : std::string();
  };
  EXPECT_EQ(read("2023-09-12T18:00Z"), "2023-09-12T18:00:00Z");
  EXPECT_EQ(read("2023-09-12T18:00:30Z"), "2023-09-12T18:00:30Z");
  EXPECT_EQ(read("2023-09-12T18:00+00:00"), "2023-09-12T18:00:00Z");
  EXPECT_EQ(read("2024-02-29T23:59:59+00:00"), "2024-02-29T23:59:59Z");
  const UtcTime a = parse_utc_time(Field::kAt, "2023-12-31T18:00Z").value();
  const UtcTime b = parse_utc_time(Field::kAt, "2024-01-01T06:30Z").value();
  EXPECT_EQ(hours_between(a, b), 12.5);
  EXPECT_EQ(hours_between(b, a), -12.5);
}

TEST(UtcTime, Refused) {
  for (const char* text :
       {"", "2023-09-12", "2023-09-12T18Z", "2023-09-12T18:00", "2023-09-12 18:00Z",
        "2023-09-12T18:00+02:00", "2023-09-12T18:00Zjunk", "2023-02-29T00:00Z", "2023-13-01T00:00Z",
        "2023-09-31T00:00Z", "2023-09-12T24:00Z", "2023-09-12T18:60Z", "2023-09-12T18:00:60Z",
        "0999-01-01T00:00Z", "2023-9-12T18:00Z", "+023-09-12T18:00Z"}) {
    const Result<UtcTime> result = parse_utc_time(Field::kAt, text);
    ASSERT_FALSE(result.ok()) << text;
    EXPECT_EQ(result.error().field, Field::kAt);
    EXPECT_EQ(result.error().value, text);
  }
}

TEST(StormFix, TimeThenPosition) {
  const Result<StormFix> fix = parse_storm_fix(Field::kStormFix, "2023-09-12T18:00Z,24.7N,66.4W");
  ASSERT_TRUE(fix.ok());
  EXPECT_EQ(format_utc_time(fix.value().time), "2023-09-12T18:00:00Z");
  EXPECT_EQ(fix.value().position.lon, -66.4);
  for (const char* text : {"2023-09-12T18:00Z", "24.7N,66.4W", "2023-09-12T18:00Z,95N,66.4W",
                           "2023-09-12T18:00Z;24.7N,66.4W"}) {
    const Result<StormFix> bad = parse_storm_fix(Field::kStormFix, text);
    ASSERT_FALSE(bad.ok()) << text;
    EXPECT_EQ(bad.error().value, text);  // the whole fix, not only its failing part
  }
}

}  // namespace
}  // namespace hurricane::situation
