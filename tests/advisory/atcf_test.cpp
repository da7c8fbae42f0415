// ATCF records: the best-track sample and hand-made a-deck lines.
#include <gtest/gtest.h>

#include "samples.h"

namespace hurricane::advisory {
namespace {

// The latest time, 2023091218, has three records (34, 50, 64 kt); direction and speed are 0.
TEST(Atcf, BestTrackLatestTime) {
  const Storm s = read_storm(sample("bal132023-at-adv30.dat"));
  EXPECT_EQ(s.form, SourceForm::kAtcf);
  EXPECT_EQ(s.id, "AL132023");
  EXPECT_EQ(s.name, "LEE");
  EXPECT_EQ(s.kind, "HURRICANE");
  EXPECT_FALSE(s.number);
  EXPECT_FALSE(s.issued);
  EXPECT_EQ(s.fix.centre, (LatLon{24.5, -66.2}));
  EXPECT_EQ(s.fix.time, utc(2023, 9, 12, 18));
  EXPECT_EQ(s.max_wind_kt, 100);
  EXPECT_EQ(s.gusts_kt, 120);
  EXPECT_EQ(s.pressure_mb, 949);
  EXPECT_EQ(s.radii.kt34, radii(210, 200, 150, 170));
  EXPECT_EQ(s.radii.kt50, radii(120, 120, 90, 120));
  EXPECT_EQ(s.radii.kt64, radii(90, 90, 60, 70));
  EXPECT_EQ(s.motion.kind, Motion::Kind::kNotGiven);
  ASSERT_TRUE(s.previous);
  EXPECT_EQ(s.previous->centre, (LatLon{24.1, -65.7}));
  EXPECT_EQ(s.previous->time, utc(2023, 9, 12, 12));
  EXPECT_EQ(largest_34kt_radius(s)->nm, 210);
}

constexpr std::string_view kADeck =
    "CP, 01, 2024090118, 03, OFCL,   0, 262N, 1797E,  35, 1007, EX, 34, NEQ, 200, 0, 0, 120\n"
    "CP, 01, 2024090121, 01, CARQ,   0, 263N, 1793E,  35, 1007, EX, 34, AAA, 150, 0, 0, 0, "
    "1010, 200, 40, 45, 0, C, 0, XX, 285, 11, HONE\n"
    "CP, 01, 2024090118, 01, CARQ,   0, 261N, 1798W,  35, 1007, EX,  0,    ,   0, 0, 0, 0\n";

// Without BEST the latest CARQ at tau 0; motion from its direction and speed columns.
TEST(Atcf, ADeckCarqWithMotion) {
  const Storm s = read_storm(kADeck);
  EXPECT_EQ(s.id, "CP012024");
  EXPECT_EQ(s.name, "HONE");
  EXPECT_EQ(s.kind, "EXTRATROPICAL CYCLONE");
  EXPECT_EQ(s.fix.centre, (LatLon{26.3, 179.3}));
  EXPECT_EQ(s.fix.time, utc(2024, 9, 1, 21));
  EXPECT_EQ(s.radii.kt34, radii(150, 150, 150, 150));  // AAA: one radius all around
  EXPECT_EQ(s.motion.kind, Motion::Kind::kMoving);
  EXPECT_EQ(s.motion.velocity.track, 285.0);
  EXPECT_EQ(s.motion.velocity.speed, 11.0);
  EXPECT_EQ(s.previous->centre, (LatLon{26.1, -179.8}));
}

// Only OFCL at hour 0: the centre, and no forecast.
TEST(Atcf, ADeckOfclAtTauZero) {
  const std::string ofcl(kADeck.substr(0, kADeck.find("CP, 01, 2024090121")));
  const Storm s = read_storm(ofcl);
  EXPECT_EQ(s.fix.centre, (LatLon{26.2, 179.7}));
  EXPECT_EQ(s.radii.kt34, radii(200, 0, 0, 120));
  EXPECT_FALSE(s.previous);
  EXPECT_EQ(s.analysis_technique, "OFCL");
  EXPECT_TRUE(s.forecast.empty());
}

// An a-deck with the official forecast: the analysis is OFCL's hour 0 of its latest issue (not
// the earlier issue's, nor the CARQ row of that time), each later hour a point with its 34/50/64
// rows merged; the models and the negative CARQ hour are read and left aside.
TEST(Atcf, ADeckOfficialForecastPoints) {
  const Storm s = read_storm(sample("aal982023-ofcl.dat"));
  EXPECT_EQ(s.id, "AL982023");
  EXPECT_EQ(s.name, "HANDMADE");
  EXPECT_EQ(s.analysis_technique, "OFCL");
  EXPECT_EQ(s.fix.centre, (LatLon{24.7, -66.4}));
  EXPECT_EQ(s.fix.time, utc(2023, 9, 12, 18));
  EXPECT_EQ(s.max_wind_kt, 95);
  EXPECT_EQ(s.gusts_kt, 115);
  EXPECT_EQ(s.pressure_mb, 955);
  EXPECT_EQ(s.radii.kt34, radii(160, 130, 100, 130));
  EXPECT_EQ(s.radii.kt64, radii(40, 35, 25, 30));
  EXPECT_EQ(s.motion.kind, Motion::Kind::kMoving);
  EXPECT_EQ(s.motion.velocity.track, 340.0);
  ASSERT_TRUE(s.previous);
  EXPECT_EQ(s.previous->centre, (LatLon{24.0, -66.0}));  // OFCL hour 0 of the 12:00 issue
  ASSERT_EQ(s.forecast.size(), 5u);
  const ForecastPoint& first = s.forecast[0];
  EXPECT_EQ(first.time, utc(2023, 9, 13, 6));
  EXPECT_EQ(first.centre, (LatLon{26.0, -66.8}));
  EXPECT_EQ(first.max_wind_kt, 100);
  EXPECT_EQ(first.gusts_kt, 120);
  EXPECT_EQ(first.radii.kt34, radii(170, 140, 110, 140));
  EXPECT_EQ(first.radii.kt50, radii(90, 80, 60, 70));
  EXPECT_EQ(first.radii.kt64, radii(45, 40, 30, 35));
  EXPECT_FALSE(first.outlook);
  EXPECT_EQ(first.stage, "");
  EXPECT_EQ(s.forecast[1].time, utc(2023, 9, 13, 18));
  EXPECT_TRUE(s.forecast[1].radii.kt50);
  EXPECT_FALSE(s.forecast[1].radii.kt64);  // no 64-kt row at hour 24
  EXPECT_EQ(s.forecast[2].time, utc(2023, 9, 14, 18));
  EXPECT_EQ(s.forecast[3].stage, "EXTRATROPICAL");
  EXPECT_FALSE(s.forecast[3].outlook);  // hour 72
  EXPECT_EQ(s.forecast[4].time, utc(2023, 9, 16, 18));
  EXPECT_EQ(s.forecast[4].centre, (LatLon{42.0, -62.0}));
  EXPECT_TRUE(s.forecast[4].outlook);  // hour 96

  // Without OFCL's hour 0 the CARQ row of the issue time is the analysis; a month's end rolls
  // the points' dates over.
  const std::string carq =
      "AL, 98, 2023093018, 01, CARQ,   0, 246N,  663W,  95,  955, HU\n"
      "AL, 98, 2023093018, 03, OFCL,  12, 260N,  668W, 100,    0, HU\n";
  const Storm from_carq = read_storm(carq);
  EXPECT_EQ(from_carq.analysis_technique, "CARQ");
  EXPECT_EQ(from_carq.fix.centre, (LatLon{24.6, -66.3}));
  ASSERT_EQ(from_carq.forecast.size(), 1u);
  EXPECT_EQ(from_carq.forecast[0].time, utc(2023, 10, 1, 6));

  // Rows of one forecast hour must agree on the centre and wind.
  const Error split = read_error(std::string(carq) +
                                 "AL, 98, 2023093018, 03, OFCL,  12, 261N,  668W, 100,    0, HU\n");
  EXPECT_EQ(split.line, 3u);
  EXPECT_NE(split.problem.find("forecast hour 12"), std::string::npos) << split.problem;
}

// A best track holds no forecast, whatever its records.
TEST(Atcf, BestTrackHasNoForecast) {
  const Storm s = read_storm(sample("bal132023-at-adv30.dat"));
  EXPECT_EQ(s.analysis_technique, "BEST");
  EXPECT_TRUE(s.forecast.empty());
}

TEST(Atcf, SeveralStorms) {
  const std::string two =
      std::string(kADeck) + "AL, 13, 2023091218, 03, OFCL,   0, 245N,  662W, 100\n";
  const Error none = read_error(two);
  EXPECT_EQ(none.line, 1u);
  EXPECT_NE(none.problem.find("CP012024, AL132023"), std::string::npos) << none.problem;
  EXPECT_EQ(read_storm(two, "AL132023").fix.centre, (LatLon{24.5, -66.2}));
  EXPECT_NE(read_error(two, "EP012024").problem.find("no storm EP012024"), std::string::npos);
}

// Each unreadable field names its column; the line is the record's.
TEST(Atcf, UnreadableRecords) {
  const std::string head = "AL, 13, 2023091212, 03, BEST,   0, 241N,  657W, 100\n";
  const auto error_on_line_2 = [&](std::string_view record, std::string_view expected) {
    const Error error = read_error(head + std::string(record) + "\n");
    EXPECT_EQ(error.line, 2u) << record;
    EXPECT_NE(error.problem.find(expected), std::string::npos) << record << ": " << error.problem;
  };
  error_on_line_2("AL, 13, 2023091218, 03, BEST,   0, 245N", "at least 9");
  error_on_line_2("A1, 13, 2023091218, 03, BEST,   0, 245N,  662W, 100", "basin");
  error_on_line_2("AL, 1x, 2023091218, 03, BEST,   0, 245N,  662W, 100", "storm number");
  error_on_line_2("AL, 13, 2023023118, 03, BEST,   0, 245N,  662W, 100", "YYYYMMDDHH");
  error_on_line_2("AL, 13, 2023091224, 03, BEST,   0, 245N,  662W, 100", "YYYYMMDDHH");
  error_on_line_2("AL, 13, 2023091218, 03,     ,   0, 245N,  662W, 100", "technique");
  error_on_line_2("AL, 13, 2023091218, 03, BEST,   0, 905N,  662W, 100", "latitude");
  error_on_line_2("AL, 13, 2023091218, 03, BEST,   0, 245N, 1805W, 100", "latitude");
  error_on_line_2("AL, 13, 2023091218, 03, BEST,   0, 245X,  662W, 100", "latitude");
  error_on_line_2("AL, 13, 2023091218, 03, BEST,   0, 245N,  662W, 1OO", "maximum wind");
  error_on_line_2("AL, 13, 2023091218, 03, BEST,   0, 245N,  662W, 100, 9x9", "pressure");
  error_on_line_2("AL, 13, 2023091218, 03, BEST,   0, 245N,  662W, 100, 949, HU, 40, NEQ",
                  "threshold");
  error_on_line_2("AL, 13, 2023091218, 03, BEST,   0, 245N,  662W, 100, 949, HU, 34, NNQ",
                  "quadrant code");
  error_on_line_2("AL, 13, 2023091218, 03, BEST,   0, 245N,  662W, 100, 949, HU, 34, NEQ, 1, -2",
                  "four radii");
  error_on_line_2(
      "AL, 13, 2023091218, 03, BEST,   0, 245N,  662W, 100, 949, HU, 34, NEQ, 1, 2, "
      "3, 4, 1010, 240, 30, 120, 0, L, 0, , 400, 5",
      "direction");
  error_on_line_2("AL, 13, 2023091212, 03, BEST,   0, 245N,  662W, 100", "another centre");
  error_on_line_2("an ordinary line of text", "at least 9");
}

TEST(Atcf, NoRecordAtTauZero) {
  const Error error = read_error("AL, 13, 2023091218, 03, OFCL,  12, 245N,  662W, 100\n");
  EXPECT_EQ(error.line, 1u);
  EXPECT_NE(error.problem.find("BEST, CARQ or OFCL"), std::string::npos);
}

}  // namespace
}  // namespace hurricane::advisory
