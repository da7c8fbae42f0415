// Reading positions, times and numbers: the forms accepted and the values refused.
#include <gtest/gtest.h>

#include "situation/number.h"
#include "situation/position.h"
#include "situation/shown_text.h"
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
        "nan,0", "0,inf", "1e999,0", "24,7N,66,4W", "0x10,0", "24 42.0", "24.7 -66.4",
        "24 42'30\"N 66W", "24\u00b042.0'N", "24 42.0N 066 24.0W 5", "N 24 42.0 W 66 24.0"}) {
    EXPECT_NE(position_problem(text), "") << text;
  }
}

// The forms written at sea, each one degree and minute apart from the next so a misread part
// shows: 24 deg 42.0 min N, 66 deg 24.0 min W.
TEST(Position, DegreesAndMinutesAsWrittenAtSea) {
  for (const char* text :
       {"24\u00b042.0'N 066\u00b024.0'W", "24\u00b042.0'N,066\u00b024.0'W",
        "24\u00b042'N 66\u00b024'W",
        "24\xb0"
        "42.0'N 066\xb0"
        "24.0'W",
        "24\u00ba42.0N 066\u00ba24.0W", "24\u00b042.0\u2032N 66\u00b024\u2032W",
        "24-42.0N 066-24.0W", "24 42.0N 066 24.0W", "24 42N 66 24W", "2442.0N 06624.0W",
        "2442N06624W", "24.7N  66.4W", "24.7n,66.4w", "24.7 N 66.4 W", "24 42.0 N, 066 24.0 W"}) {
    const LatLon at = position(text);
    EXPECT_NEAR(at.lat, 24.7, 1e-12) << text;
    EXPECT_NEAR(at.lon, -66.4, 1e-12) << text;
  }
  EXPECT_NEAR(position("33 51.0S 151 12.0E").lat, -33.85, 1e-12);
  EXPECT_NEAR(position("0 30.0S 179 59.9W").lon, -(179.0 + 59.9 / 60.0), 1e-12);
  EXPECT_NEAR(position("24 42.5 N 66W").lat, 24.0 + 42.5 / 60.0, 1e-12);
}

TEST(Position, MinuteOfSixtyRefusedByName) {
  EXPECT_EQ(position_problem("24 60.0N 66 24.0W"), "minutes of the latitude must be below 60");
  EXPECT_EQ(position_problem("2460N 6624W"), "minutes of the latitude must be below 60");
  EXPECT_EQ(position_problem("24 42N 066-60W"), "minutes of the longitude must be below 60");
  EXPECT_EQ(position_problem("89 59.9N 180 00.1W"), "longitude beyond 180 degrees");
}

TEST(Position, FormatsDegreesAndMinutesToATenth) {
  EXPECT_EQ(format_position({24.7, -66.4}), "24\u00b042.0'N 066\u00b024.0'W");
  EXPECT_EQ(format_position({-33.85, 151.2}), "33\u00b051.0'S 151\u00b012.0'E");
  // Rounding carries into the degree, and a position that rounds to zero takes N and E.
  EXPECT_EQ(format_position({24.999999, -0.0000001}), "25\u00b000.0'N 000\u00b000.0'E");
  EXPECT_EQ(format_position({-0.5, 180.0}), "00\u00b030.0'S 180\u00b000.0'E");
  // What it prints reads back to within a twentieth of a minute.
  const LatLon back = position(format_position({12.345678, -98.765432}));
  EXPECT_NEAR(back.lat, 12.345678, 0.05 / 60.0);
  EXPECT_NEAR(back.lon, -98.765432, 0.05 / 60.0);
}

// Text is shown back as typed where that is safe, and only there.
TEST(ShownText, KeepsPrintableUtf8AndNothingElse) {
  EXPECT_EQ(shown_text("24\u00b042.0'N", 60), "24\u00b042.0'N");
  EXPECT_EQ(shown_text("\u2032 \u00ba \U0001F300", 60), "\u2032 \u00ba \U0001F300");
  EXPECT_EQ(shown_text("24\xb0"
                       "42",
                       60),
            "24?42");                                  // Latin-1 alone
  EXPECT_EQ(shown_text("2\x1b[2J0N", 60), "2?[2J0N");  // terminal escape
  EXPECT_EQ(shown_text("a\xc2\x9b"
                       "b",
                       60),
            "a??b");  // C1 control in UTF-8
  EXPECT_EQ(shown_text("a\u202e"
                       "b",
                       60),
            "a???b");                                // direction override
  EXPECT_EQ(shown_text("\xe2\x80", 60), "??");       // cut sequence
  EXPECT_EQ(shown_text("\xc0\xaf", 60), "??");       // overlong slash
  EXPECT_EQ(shown_text("\xed\xa0\x80", 60), "???");  // surrogate
  EXPECT_EQ(shown_text("\u00b0\u00b0\u00b0abc", 4),
            "\u00b0\u00b0\u00b0a...");  // characters, not bytes
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

TEST(UtcTime, NowAndDateTimeGroupsNearTheReference) {
  const UtcTime now = parse_utc_time(Field::kAt, "2024-10-07T13:20Z").value();
  const UtcTime advisory = parse_utc_time(Field::kAt, "2023-12-31T21:00Z").value();
  const auto read = [&](std::string_view text, std::optional<UtcTime> reference) {
    const Result<UtcTime> result = parse_time(Field::kAt, text, {now, reference});
    EXPECT_TRUE(result.ok()) << text;
    return result.ok() ? format_utc_time(result.value()) : std::string();
  };
  EXPECT_EQ(read("now", std::nullopt), "2024-10-07T13:20:00Z");
  EXPECT_EQ(read("071500Z", std::nullopt), "2024-10-07T15:00:00Z");
  EXPECT_EQ(read("07/1500Z", std::nullopt), "2024-10-07T15:00:00Z");
  EXPECT_EQ(read("301200Z", std::nullopt), "2024-09-30T12:00:00Z");  // the month before
  EXPECT_EQ(read("2023-09-12T18:00Z", std::nullopt), "2023-09-12T18:00:00Z");
  // Against the advisory's time, across the end of the year both ways.
  EXPECT_EQ(read("01/0300Z", advisory), "2024-01-01T03:00:00Z");
  EXPECT_EQ(read("311800Z", advisory), "2023-12-31T18:00:00Z");
  EXPECT_EQ(read("30/0000z", advisory), "2023-12-30T00:00:00Z");
  // A 31st when the reference month has 30 days: the nearest month that has one.
  const UtcTime april = parse_utc_time(Field::kAt, "2024-04-29T00:00Z").value();
  EXPECT_EQ(format_utc_time(*nearest_day_time(april, 31, 0, 0)), "2024-03-31T00:00:00Z");
  EXPECT_EQ(format_utc_time(*nearest_day_time(april, 1, 0, 0)), "2024-05-01T00:00:00Z");
}

TEST(UtcTime, DateTimeGroupsRefused) {
  const TimeContext context{parse_utc_time(Field::kAt, "2024-02-10T00:00Z").value(), std::nullopt};
  for (const char* text : {"001200Z", "321200Z", "072400Z", "071260Z", "07/15:00Z", "0715Z",
                           "071500", "7/1500Z", "NOW", "now ", "07/1500ZZ"}) {
    const Result<UtcTime> result = parse_time(Field::kAt, text, context);
    ASSERT_FALSE(result.ok()) << text;
    EXPECT_EQ(result.error().value, text);
  }
}

TEST(StormFix, TimeThenPosition) {
  const Result<StormFix> fix =
      parse_storm_fix(Field::kStormFix, "2023-09-12T18:00Z,24.7N,66.4W", {});
  ASSERT_TRUE(fix.ok());
  EXPECT_EQ(format_utc_time(fix.value().time), "2023-09-12T18:00:00Z");
  EXPECT_EQ(fix.value().centre.lon, -66.4);
  for (const char* text : {"2023-09-12T18:00Z", "24.7N,66.4W", "2023-09-12T18:00Z,95N,66.4W",
                           "2023-09-12T18:00Z;24.7N,66.4W"}) {
    const Result<StormFix> bad = parse_storm_fix(Field::kStormFix, text, {});
    ASSERT_FALSE(bad.ok()) << text;
    EXPECT_EQ(bad.error().value, text);  // the whole fix, not only its failing part
  }
}

}  // namespace
}  // namespace hurricane::situation
