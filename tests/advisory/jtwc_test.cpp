// The real JTWC warning in data/ (Typhoon Khanun, warning 17), read field by field; expected
// values are read off the text by hand.
#include <gtest/gtest.h>

#include "samples.h"

namespace hurricane::advisory {
namespace {

QuadrantRadii radii(int ne, int se, int sw, int nw) {
  return QuadrantRadii{{ne, se, sw, nw}};
}

const std::string& khanun() {
  static const std::string text = sample("wp062023-khanun-nr017.txt");
  return text;
}

TEST(JtwcKhanun, HeadingPositionAndWinds) {
  const Storm s = read_storm(khanun());
  EXPECT_EQ(s.form, SourceForm::kJtwcWarning);
  EXPECT_EQ(s.id, "WP062023");
  EXPECT_EQ(s.kind, "TYPHOON");
  EXPECT_EQ(s.name, "KHANUN");
  EXPECT_EQ(s.number, 17);
  EXPECT_EQ(s.centre_name, "JOINT TYPHOON WRNCEN PEARL HARBOR HI");
  EXPECT_EQ(s.issued, utc(2023, 7, 31, 9));
  EXPECT_EQ(s.fix.centre, (LatLon{22.8, 131.6}));
  EXPECT_EQ(s.fix.time, utc(2023, 7, 31, 6));
  EXPECT_EQ(s.motion.kind, Motion::Kind::kMoving);
  EXPECT_EQ(s.motion.velocity.track, 335.0);
  EXPECT_EQ(s.motion.velocity.speed, 9.0);
  EXPECT_EQ(s.accuracy_nm, 20);
  EXPECT_EQ(s.max_wind_kt, 115);
  EXPECT_EQ(s.gusts_kt, 140);
  EXPECT_EQ(s.radii.kt64, radii(70, 60, 70, 20));
  EXPECT_EQ(s.radii.kt50, radii(80, 85, 100, 70));
  EXPECT_EQ(s.radii.kt34, radii(250, 230, 135, 220));
  EXPECT_FALSE(s.seas);
  EXPECT_FALSE(s.previous);
  EXPECT_EQ(s.pressure_mb, 937);
  // Every VECTOR TO line agrees with the positions it joins.
  EXPECT_TRUE(s.warnings.empty()) << s.warnings.front().message;
}

TEST(JtwcKhanun, Remarks) {
  const Storm s = read_storm(khanun());
  ASSERT_TRUE(s.warning);
  const WarningDetails& w = *s.warning;
  EXPECT_FALSE(w.final_warning);
  EXPECT_EQ(w.wind_average_min, 1);
  EXPECT_EQ(w.movement_past_h, 6);
  ASSERT_TRUE(w.remarks_fix);
  EXPECT_EQ(w.remarks_fix->centre, (LatLon{23.1, 131.2}));
  EXPECT_EQ(w.remarks_fix->time, utc(2023, 7, 31, 9));
  EXPECT_EQ(w.wave_height_ft, 48);
  // 311500Z, 312100Z, then into August.
  EXPECT_EQ(w.next_warnings, (std::vector<UtcTime>{utc(2023, 7, 31, 15), utc(2023, 7, 31, 21),
                                                   utc(2023, 8, 1, 3), utc(2023, 8, 1, 9)}));
}

// Forecasts, extended and long-range outlook; the month turns from July to August.
TEST(JtwcKhanun, ForecastPoints) {
  const Storm s = read_storm(khanun());
  ASSERT_EQ(s.forecast.size(), 7u);
  struct Expected {
    UtcTime time;
    bool outlook;
    LatLon centre;
    int wind;
    int gusts;
  };
  const Expected expected[] = {
      {utc(2023, 7, 31, 18), false, {24.0, 130.2}, 120, 145},
      {utc(2023, 8, 1, 6), false, {24.9, 128.7}, 125, 150},
      {utc(2023, 8, 1, 18), false, {25.5, 127.5}, 120, 145},
      {utc(2023, 8, 2, 6), true, {25.9, 126.5}, 115, 140},
      {utc(2023, 8, 3, 6), true, {26.6, 125.2}, 100, 125},
      {utc(2023, 8, 4, 6), true, {27.4, 125.3}, 85, 105},
      {utc(2023, 8, 5, 6), true, {28.1, 126.1}, 70, 85},
  };
  for (std::size_t i = 0; i < s.forecast.size(); ++i) {
    const ForecastPoint& point = s.forecast[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(point.time, expected[i].time);
    EXPECT_EQ(point.outlook, expected[i].outlook);
    EXPECT_EQ(point.centre, expected[i].centre);
    EXPECT_EQ(point.max_wind_kt, expected[i].wind);
    EXPECT_EQ(point.gusts_kt, expected[i].gusts);
    EXPECT_EQ(point.stage, "");
  }
  EXPECT_EQ(s.forecast[0].radii.kt64, radii(60, 50, 50, 30));
  EXPECT_EQ(s.forecast[0].radii.kt50, radii(80, 80, 80, 70));
  EXPECT_EQ(s.forecast[0].radii.kt34, radii(220, 190, 140, 210));
  EXPECT_EQ(s.forecast[4].radii.kt34, radii(170, 230, 210, 180));
  // 120 h: "000 NM NORTHWEST QUADRANT" is no 64-kt wind there.
  EXPECT_EQ(s.forecast[6].radii.kt64, radii(60, 60, 70, 0));
  EXPECT_EQ(s.forecast[6].radii.kt34, radii(140, 200, 150, 180));
}

// A VECTOR TO line the positions do not give is kept apart as a warning at its line; the
// positions stay as stated.
TEST(JtwcKhanun, VectorCheck) {
  const Storm track_off = read_storm(replaced(khanun(), "305 DEG/ 08 KTS", "295 DEG/ 08 KTS"));
  ASSERT_EQ(track_off.warnings.size(), 1u);
  EXPECT_EQ(track_off.warnings[0].line, 49u);
  EXPECT_EQ(track_off.warnings[0].message,
            "VECTOR TO 24 HR POSIT states 295 deg at 8 kn, but the positions give 303.4 deg at "
            "8.2 kn (rhumb line); the positions are used");
  EXPECT_EQ(track_off.forecast[1].centre, (LatLon{24.9, 128.7}));
  // 36 h to 48 h is 293.9 deg at 4.9 kn: 5 kn stated is within rounding, 6 kn is not.
  EXPECT_EQ(read_storm(replaced(khanun(), "295 DEG/ 05 KTS", "295 DEG/ 06 KTS")).warnings.size(),
            1u);
  // 72 h to 96 h runs north at 6.4 deg: 005 stated is within rounding, 355 across 000 is not.
  EXPECT_EQ(read_storm(replaced(khanun(), "005 DEG/ 02 KTS", "355 DEG/ 02 KTS")).warnings.size(),
            1u);
  const Storm wrong_hour = read_storm(replaced(khanun(), "VECTOR TO 36 HR", "VECTOR TO 48 HR"));
  ASSERT_EQ(wrong_hour.warnings.size(), 1u);
  EXPECT_EQ(wrong_hour.warnings[0].message,
            "VECTOR TO 48 HR POSIT names another hour than the next point's, 36 h");
  const Storm repeat = read_storm(replaced(khanun(), "REPEAT POSIT: 22.8N", "REPEAT POSIT: 22.9N"));
  ASSERT_EQ(repeat.warnings.size(), 1u);
  EXPECT_EQ(repeat.fix.centre, (LatLon{22.8, 131.6}));
}

// Hand-made split of the real warning in two parts: joined in order they read as one; the
// second alone is refused (jtwc_forms_test), the first alone ends its forecast where it ends.
TEST(JtwcKhanun, PartsJoined) {
  const std::string header =
      "WTPN32 PGTW 310900\nMSGID/GENADMIN/JOINT TYPHOON WRNCEN PEARL HARBOR HI//\n"
      "SUBJ/TYPHOON 06W (KHANUN) WARNING NR 017//\nRMKS/\n";
  const std::string joined =
      replaced(khanun(), "   LONG RANGE OUTLOOK:\n",
               "// END PART 01/02 //\n" + header + "   LONG RANGE OUTLOOK:\n");
  const Storm s = read_storm(joined);
  EXPECT_EQ(s.forecast.size(), 7u);
  EXPECT_EQ(s.forecast.back().centre, (LatLon{28.1, 126.1}));
  EXPECT_TRUE(s.warnings.empty());
  const std::string first = joined.substr(0, joined.find(header, 10)) + "REMARKS:\n31JUL23.\n";
  const Storm part = read_storm(first);
  EXPECT_EQ(part.forecast.size(), 5u);
  // The 72-h point's vector leads to the 96-h point, which is in the other part.
  ASSERT_EQ(part.warnings.size(), 1u);
  EXPECT_EQ(part.warnings[0].message, "VECTOR TO 96 HR POSIT leads to no later point");
}

// The warning as received with CR LF line ends and a teletype start reads the same.
TEST(JtwcKhanun, CrLfAndTransmissionLines) {
  std::string crlf = "ZCZC 123\r\n";
  for (const char c : khanun()) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  const Storm s = read_storm(crlf);
  EXPECT_EQ(s.id, "WP062023");
  EXPECT_EQ(s.forecast.size(), 7u);
}

}  // namespace
}  // namespace hurricane::advisory
