// The forms of JTWC warnings beyond the real sample, on hand-made texts (jtwc_samples.h), and
// what the reader refuses.
#include <gtest/gtest.h>

#include <cmath>

#include "advisory/jtwc_vector.h"
#include "jtwc_samples.h"
#include "samples.h"

namespace hurricane::advisory {
namespace {

QuadrantRadii radii(int ne, int se, int sw, int nw) {
  return QuadrantRadii{{ne, se, sw, nw}};
}

// Hand-made: south latitudes, a year end, semicircles and ELSEWHERE, stage words.
TEST(JtwcForms, SouthernWarningAcrossTheYearEnd) {
  const Storm s = read_storm(kHandMadeSouthern);
  // An SH season takes the year it ends in: December 2023 is season 2024.
  EXPECT_EQ(s.id, "SH052024");
  EXPECT_EQ(s.kind, "TROPICAL CYCLONE");
  EXPECT_EQ(s.name, "TEST");
  EXPECT_EQ(s.number, 9);
  EXPECT_EQ(s.issued, utc(2023, 12, 31, 15));
  EXPECT_EQ(s.fix.centre, (LatLon{-15.5, 75.2}));
  EXPECT_EQ(s.fix.time, utc(2023, 12, 31, 12));
  EXPECT_EQ(s.motion.velocity.track, 225.0);
  EXPECT_EQ(s.motion.velocity.speed, 10.0);
  // North semicircle is NE and NW; east is NE and SE; ELSEWHERE the quadrants not yet given.
  EXPECT_EQ(s.radii.kt64, radii(20, 30, 30, 20));
  EXPECT_EQ(s.radii.kt50, radii(40, 40, 50, 50));
  EXPECT_EQ(s.radii.kt34, radii(90, 90, 120, 90));
  ASSERT_EQ(s.forecast.size(), 3u);
  EXPECT_EQ(s.forecast[0].time, utc(2024, 1, 1, 0));
  EXPECT_EQ(s.forecast[0].centre, (LatLon{-16.1, 74.5}));
  EXPECT_EQ(s.forecast[0].radii.kt50, radii(0, 30, 40, 0));
  EXPECT_EQ(s.forecast[0].radii.kt34, radii(100, 90, 90, 90));
  EXPECT_FALSE(s.forecast[0].radii.kt64);
  EXPECT_EQ(s.forecast[1].stage, "BECOMING EXTRATROPICAL");
  EXPECT_EQ(s.forecast[1].radii.kt34, radii(60, 80, 80, 60));
  EXPECT_TRUE(s.forecast[2].outlook);
  EXPECT_EQ(s.forecast[2].time, utc(2024, 1, 2, 12));
  EXPECT_EQ(s.forecast[2].stage, "DISSIPATING AS A SIGNIFICANT TROPICAL CYCLONE OVER WATER");
  EXPECT_FALSE(s.forecast[2].radii.kt34);
  EXPECT_EQ(s.pressure_mb, 985);
  ASSERT_TRUE(s.warning);
  EXPECT_EQ(s.warning->wave_height_ft, 22);
  EXPECT_EQ(s.warning->next_warnings,
            (std::vector<UtcTime>{utc(2023, 12, 31, 21), utc(2024, 1, 1, 3)}));
  EXPECT_TRUE(s.warnings.empty()) << s.warnings.front().message;
}

// Without separator and VECTOR lines a radii group ends at the next forecast hour.
TEST(JtwcForms, WithoutSeparatorsOrVectors) {
  std::string text(kHandMadeSouthern);
  for (const std::string_view line : {"    ---\n", "   VECTOR TO 24 HR POSIT: 220 DEG/ 06 KTS\n",
                                      "   VECTOR TO 48 HR POSIT: 240 DEG/ 05 KTS\n"}) {
    for (std::size_t at; (at = text.find(line)) != std::string::npos;) text.erase(at, line.size());
  }
  const Storm s = read_storm(text);
  EXPECT_EQ(s.radii.kt34, radii(90, 90, 120, 90));
  ASSERT_EQ(s.forecast.size(), 3u);
  EXPECT_EQ(s.forecast[1].radii.kt34, radii(60, 80, 80, 60));
}

// Hand-made: east of 180 (W longitudes), stationary, no name, final, dissipated over land.
TEST(JtwcForms, FinalWarningWestLongitudeStationary) {
  const Storm s = read_storm(kHandMadeFinal);
  EXPECT_EQ(s.id, "SH122024");
  EXPECT_EQ(s.name, "");
  EXPECT_EQ(s.kind, "TROPICAL DEPRESSION");
  EXPECT_EQ(s.fix.centre, (LatLon{-18.2, -178.6}));
  EXPECT_EQ(s.motion.kind, Motion::Kind::kStationary);
  EXPECT_FALSE(s.accuracy_nm);
  EXPECT_FALSE(s.radii.kt34);
  ASSERT_TRUE(s.warning);
  EXPECT_TRUE(s.warning->final_warning);
  EXPECT_TRUE(s.warning->next_warnings.empty());
  ASSERT_EQ(s.forecast.size(), 1u);
  EXPECT_EQ(s.forecast[0].centre, (LatLon{-18.9, 179.5}));
  EXPECT_EQ(s.forecast[0].stage, "DISSIPATED AS A SIGNIFICANT TROPICAL CYCLONE OVER LAND");
  // The Arabian Sea and the Bay of Bengal both give IO ids; the season is the calendar year.
  EXPECT_EQ(read_storm(replaced(replaced(kHandMadeFinal, "WTPS31", "WTIO31"), "12P", "02A")).id,
            "IO022024");
  EXPECT_EQ(read_storm(replaced(replaced(kHandMadeFinal, "WTPS31", "WTIO31"), "12P", "03B")).id,
            "IO032024");
}

// A month end without a year end, and a February of a leap year.
TEST(JtwcForms, MonthEnds) {
  const std::string leap =
      replaced(replaced(replaced(kHandMadeFinal, "WTPS31 PGTW 020300", "WTPS31 PGTW 290300"),
                        "020000Z --- NEAR", "290000Z --- NEAR"),
               "02FEB24.", "29FEB24.");
  const Storm s = read_storm(replaced(leap, "021200Z --- 18.9S", "011200Z --- 18.9S"));
  EXPECT_EQ(s.fix.time, utc(2024, 2, 29, 0));
  EXPECT_EQ(s.forecast[0].time, utc(2024, 3, 1, 12));
  // The date may name the day before the issue: a warning issued just after midnight.
  const Storm after_midnight = read_storm(replaced(kHandMadeFinal, "02FEB24.", "01FEB24."));
  EXPECT_EQ(after_midnight.issued, utc(2024, 2, 2, 3));
}

struct Refusal {
  const char* what;
  std::string text;
  std::size_t line;
  const char* says;
};

// What is not a readable warning is refused at the line at fault, saying why.
TEST(JtwcForms, Refusals) {
  const std::string south(kHandMadeSouthern);
  const Refusal refusals[] = {
      {"hand-made continuation part",
       "WTPN32 PGTW 310900\nMSGID/GENADMIN/JOINT TYPHOON WRNCEN PEARL HARBOR HI//\n"
       "SUBJ/TYPHOON 06W (KHANUN) WARNING NR 017//\n   96 HRS, VALID AT:\n"
       "   040600Z --- 27.4N 125.3E\nREMARKS:\n31JUL23. TEXT.\n// END PART 02/02 //\n",
       8, "this is part 2 of a warning sent in parts"},
      {"old form with check digits",
       replaced(south, "311200Z --- NEAR 15.5S 075.2E", "311200Z6 --- 15.5S6 075.2E3"), 10,
       "the old form with check digits"},
      {"formation alert",
       replaced(south, "SUBJ/TROPICAL CYCLONE 05S (TEST) WARNING NR 009//",
                "SUBJ/TROPICAL CYCLONE FORMATION ALERT//"),
       3, "formation alert, not a warning"},
      {"prognostic reasoning", replaced(south, "WTXS31 PGTW", "WDXS31 PGTW"), 1,
       "prognostic reasoning"},
      {"prognostic reasoning by subject",
       replaced(south, "SUBJ/", "SUBJ/PROGNOSTIC REASONING FOR "), 3, "prognostic reasoning"},
      {"another area", replaced(south, "WTXS31", "WTNT31"), 1, "WTPN, WTIO, WTXS or WTPS"},
      {"no date", replaced(south, "31DEC23. ", ""), 1, "states no date"},
      {"no movement", replaced(south, "MOVEMENT PAST SIX HOURS - 225 DEGREES AT 10 KTS\n", ""), 10,
       "MOVEMENT PAST SIX HOURS"},
      {"speed in words", replaced(south, "AT 10 KTS", "AT TEN KTS"), 11, "MOVEMENT PAST"},
      {"quadrant given twice", replaced(south, "050 NM WEST SEMICIRCLE", "050 NM EAST SEMICIRCLE"),
       18, "a second NE radius of the 50-kt winds"},
      {"a quadrant missing",
       replaced(south,
                "                            090 NM ELSEWHERE\n"
                "   REPEAT",
                "   REPEAT"),
       19, "do not cover all four quadrants"},
      {"35-kt threshold",
       replaced(south, "RADIUS OF 034 KT WINDS - 120", "RADIUS OF 035 KT WINDS - 120"), 19,
       "034, 050 or 064"},
      {"a diagonal semicircle",
       replaced(south, "020 NM NORTH SEMICIRCLE", "020 NM NORTHEAST SEMICIRCLE"), 15,
       "expected a radius"},
      {"forecast time going back", replaced(south, "011200Z --- 17.0S", "010000Z --- 17.0S"), 36,
       "does not come after the point before it"},
      {"forecast hour without position", replaced(south, "   010000Z --- 16.1S 074.5E\n", ""), 25,
       "expected the position line"},
      {"movement among the forecasts",
       replaced(south, "   FORECASTS:\n",
                "   FORECASTS:\n     POSITION ACCURATE TO WITHIN 030 NM\n"),
       24, "among the forecasts"},
      {"winds before the first forecast point",
       replaced(south, "   FORECASTS:\n",
                "   FORECASTS:\n   MAX SUSTAINED WINDS - 065 KT, GUSTS 080 KT\n"),
       24, "before the first forecast position"},
      {"pressure without value", replaced(south, "IS 985 MB", "IS UNKNOWN"), 51,
       "MINIMUM CENTRAL PRESSURE AT"},
      {"next warnings out of order", replaced(south, "312100Z AND 010300Z", "010300Z AND 312100Z"),
       53, "NEXT WARNINGS AT"},
  };
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.what);
    const Error error = read_error(refusal.text);
    EXPECT_EQ(error.line, refusal.line) << error.problem;
    EXPECT_NE(error.problem.find(refusal.says), std::string::npos) << error.problem;
  }
}

// The rhumb line's course and speed, and what rounding the check forgives.
TEST(JtwcForms, RhumbMotionAndRounding) {
  const navigation::Motion north = rhumb_motion({10.0, 120.0}, {11.0, 120.0}, 12.0);
  EXPECT_NEAR(north.track, 0.0, 1e-9);
  EXPECT_NEAR(north.speed, 5.0, 1e-9);
  // Due east along the equator: 1 degree of longitude is 60 nm there.
  const navigation::Motion east = rhumb_motion({0.0, 179.5}, {0.0, -179.5}, 6.0);
  EXPECT_NEAR(east.track, 90.0, 1e-9);
  EXPECT_NEAR(east.speed, 10.0, 1e-9);
  // Westward across the 180th meridian the shorter way, in the south.
  const navigation::Motion west = rhumb_motion({-20.0, -179.5}, {-20.0, 179.5}, 6.0);
  EXPECT_NEAR(west.track, 270.0, 1e-9);
  EXPECT_NEAR(west.speed, 10.0 * std::cos(20.0 * 3.14159265358979 / 180.0), 1e-6);
  EXPECT_FALSE(vector_disagreement(0, 5, {357.5, 5.5}));
  EXPECT_TRUE(vector_disagreement(0, 5, {357.4, 5.0}));
  EXPECT_TRUE(vector_disagreement(0, 5, {0.0, 5.6}));
  // Standing still says nothing of the course.
  EXPECT_FALSE(vector_disagreement(180, 0, {10.0, 0.3}));
}

}  // namespace
}  // namespace hurricane::advisory
