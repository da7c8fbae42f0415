// The three sample forecast/advisories, read field by field; expected values are read off the
// texts in data/.
#include <gtest/gtest.h>

#include "samples.h"

namespace hurricane::advisory {
namespace {

using Kind = Motion::Kind;

// Atlantic, issued by the backup centre; 64/50/34-kt radii and 12 ft seas.
TEST(Tcm, AtlanticBackupCentre) {
  const Storm s = read_storm(sample("tcm-al132023-30.txt"));
  EXPECT_EQ(s.form, SourceForm::kTcm);
  EXPECT_EQ(s.id, "AL132023");
  EXPECT_EQ(s.kind, "HURRICANE");
  EXPECT_EQ(s.name, "LEE");
  EXPECT_EQ(s.number, 30);
  EXPECT_FALSE(s.special);
  EXPECT_FALSE(s.corrected);
  EXPECT_EQ(s.centre_name, "NWS NATIONAL HURRICANE CENTER MIAMI FL");
  EXPECT_EQ(s.issued_by, "THE NWS WEATHER PREDICTION CENTER COLLEGE PARK MD");
  EXPECT_EQ(s.issued, utc(2023, 9, 12, 21));
  EXPECT_EQ(s.fix.centre, (LatLon{24.7, -66.4}));
  EXPECT_EQ(s.fix.time, utc(2023, 9, 12, 21));
  EXPECT_EQ(s.accuracy_nm, 20);
  EXPECT_EQ(s.motion.kind, Kind::kMoving);
  EXPECT_EQ(s.motion.velocity.track, 315.0);
  EXPECT_EQ(s.motion.velocity.speed, 6.0);
  EXPECT_EQ(s.pressure_mb, 946);
  EXPECT_EQ(s.max_wind_kt, 100);
  EXPECT_EQ(s.gusts_kt, 120);
  EXPECT_EQ(s.radii.kt64, radii(110, 100, 60, 70));
  EXPECT_EQ(s.radii.kt50, radii(150, 130, 90, 120));
  EXPECT_EQ(s.radii.kt34, radii(210, 200, 150, 170));
  ASSERT_TRUE(s.seas);
  EXPECT_EQ(s.seas->height, 12);
  EXPECT_EQ(s.seas->unit, SeasRadii::Unit::kFeet);
  EXPECT_EQ(s.seas->radii, radii(390, 300, 360, 390));
  ASSERT_TRUE(s.previous);
  EXPECT_EQ(s.previous->centre, (LatLon{24.5, -66.2}));
  EXPECT_EQ(s.previous->time, utc(2023, 9, 12, 18));
  const auto largest = largest_34kt_radius(s);
  ASSERT_TRUE(largest);
  EXPECT_EQ(largest->quadrant, Quadrant::kNE);
  EXPECT_EQ(largest->nm, 210);
}

TEST(Tcm, AtlanticForecastAndOutlook) {
  const Storm s = read_storm(sample("tcm-al132023-30.txt"));
  ASSERT_EQ(s.forecast.size(), 8u);
  const ForecastPoint& first = s.forecast[0];
  EXPECT_EQ(first.time, utc(2023, 9, 13, 6));
  EXPECT_FALSE(first.outlook);
  EXPECT_EQ(first.centre, (LatLon{25.4, -67.0}));
  EXPECT_EQ(first.max_wind_kt, 100);
  EXPECT_EQ(first.gusts_kt, 120);
  EXPECT_EQ(first.radii.kt64, radii(100, 90, 60, 75));
  EXPECT_EQ(first.radii.kt50, radii(150, 120, 90, 120));
  EXPECT_EQ(first.radii.kt34, radii(220, 210, 150, 170));
  EXPECT_EQ(first.stage, "");
  // 15/0600Z has no 64-kt radii any more.
  EXPECT_EQ(s.forecast[4].time, utc(2023, 9, 15, 6));
  EXPECT_FALSE(s.forecast[4].radii.kt64);
  EXPECT_EQ(s.forecast[4].radii.kt34, radii(250, 240, 190, 220));
  EXPECT_EQ(s.forecast[5].centre, (LatLon{36.4, -66.8}));
  const ForecastPoint& last = s.forecast[7];
  EXPECT_TRUE(last.outlook);
  EXPECT_TRUE(s.forecast[6].outlook);
  EXPECT_EQ(last.time, utc(2023, 9, 17, 18));
  EXPECT_EQ(last.centre, (LatLon{47.1, -64.5}));
  EXPECT_EQ(last.stage, "POST-TROP/EXTRATROP");
  EXPECT_EQ(last.max_wind_kt, 40);
  EXPECT_EQ(last.gusts_kt, 50);
  EXPECT_FALSE(last.radii.kt34);
}

// Eastern Pacific special advisory at 0000 UTC: the earlier position lies on the day before.
TEST(Tcm, EasternPacificSpecial) {
  const Storm s = read_storm(sample("tcm-ep072024-27.txt"));
  EXPECT_EQ(s.id, "EP072024");
  EXPECT_EQ(s.kind, "HURRICANE");
  EXPECT_EQ(s.name, "GILMA");
  EXPECT_TRUE(s.special);
  EXPECT_EQ(s.number, 27);
  EXPECT_EQ(s.issued_by, "");
  EXPECT_EQ(s.issued, utc(2024, 8, 25, 0));
  EXPECT_EQ(s.fix.centre, (LatLon{17.7, -131.4}));
  EXPECT_EQ(s.fix.time, utc(2024, 8, 25, 0));
  EXPECT_EQ(s.motion.velocity.track, 280.0);
  EXPECT_EQ(s.motion.velocity.speed, 8.0);
  EXPECT_EQ(s.max_wind_kt, 105);
  EXPECT_EQ(s.gusts_kt, 130);
  EXPECT_EQ(s.radii.kt34, radii(100, 90, 80, 100));
  EXPECT_EQ(s.seas->radii, radii(150, 120, 150, 180));
  EXPECT_EQ(s.previous->centre, (LatLon{17.6, -130.5}));
  EXPECT_EQ(s.previous->time, utc(2024, 8, 24, 18));
  ASSERT_EQ(s.forecast.size(), 8u);
  EXPECT_EQ(s.forecast[6].radii.kt34, radii(50, 0, 0, 50));  // outlook with radii
  EXPECT_EQ(s.forecast[7].stage, "POST-TROP/REMNT LOW");
  EXPECT_EQ(s.forecast[7].time, utc(2024, 8, 29, 18));
  // NE and NW tie at 100 nm: the first in NE, SE, SW, NW order is named.
  EXPECT_EQ(largest_34kt_radius(s)->quadrant, Quadrant::kNE);
}

// Central Pacific with a teletype header; the 180th meridian lies between the fixes.
TEST(Tcm, CentralPacificAcrossTheDateLine) {
  const Storm s = read_storm(sample("tcm-cp012024-42.txt"));
  EXPECT_EQ(s.id, "CP012024");
  EXPECT_EQ(s.kind, "POST-TROPICAL CYCLONE");
  EXPECT_EQ(s.name, "HONE");
  EXPECT_EQ(s.number, 42);
  EXPECT_EQ(s.centre_name, "NWS CENTRAL PACIFIC HURRICANE CENTER HONOLULU HI");
  EXPECT_EQ(s.issued, utc(2024, 9, 1, 21));
  EXPECT_EQ(s.fix.centre, (LatLon{26.3, 179.3}));
  EXPECT_EQ(s.previous->centre, (LatLon{26.1, -179.8}));
  EXPECT_EQ(s.previous->time, utc(2024, 9, 1, 18));
  EXPECT_EQ(s.accuracy_nm, 60);
  EXPECT_EQ(s.motion.velocity.track, 285.0);
  EXPECT_EQ(s.motion.velocity.speed, 11.0);
  EXPECT_EQ(s.pressure_mb, 1007);
  EXPECT_EQ(s.max_wind_kt, 35);
  EXPECT_EQ(s.radii.kt34, radii(200, 0, 0, 120));
  EXPECT_FALSE(s.radii.kt50);
  EXPECT_FALSE(s.radii.kt64);
  EXPECT_FALSE(s.seas);
  ASSERT_EQ(s.forecast.size(), 7u);
  EXPECT_EQ(s.forecast[0].centre, (LatLon{26.6, 178.8}));
  EXPECT_EQ(s.forecast[0].stage, "POST-TROPICAL");
  EXPECT_EQ(s.forecast[3].centre, (LatLon{29.8, 179.9}));
  EXPECT_FALSE(s.forecast[3].radii.kt34);
  EXPECT_EQ(s.forecast[6].time, utc(2024, 9, 5, 18));
  EXPECT_EQ(s.forecast[6].stage, "DISSIPATED");
  EXPECT_EQ(largest_34kt_radius(s)->nm, 200);
}

// Hand-made variants of the Atlantic text for what the samples do not show.
TEST(Tcm, VariantsOfTheText) {
  const std::string lee = sample("tcm-al132023-30.txt");

  const Storm still =
      read_storm(replaced(lee, "PRESENT MOVEMENT TOWARD THE NORTHWEST OR 315 DEGREES AT   6 KT",
                          "PRESENT MOVEMENT...STATIONARY"));
  EXPECT_EQ(still.motion.kind, Kind::kStationary);

  const Storm north =
      read_storm(replaced(lee, "OR 315 DEGREES AT   6 KT", "OR 360 DEGREES AT 12 KT"));
  EXPECT_EQ(north.motion.velocity.track, 0.0);  // 360 is north, given as 0

  const Storm corrected = read_storm(replaced(lee, "NUMBER  30", "NUMBER  30...CORRECTED"));
  EXPECT_TRUE(corrected.corrected);
  EXPECT_EQ(corrected.number, 30);

  const Storm metres = read_storm(replaced(lee, "12 FT SEAS..", "4 M SEAS...."));
  EXPECT_EQ(metres.seas->height, 4);
  EXPECT_EQ(metres.seas->unit, SeasRadii::Unit::kMetres);

  // Without transmission lines, with CR LF line ends, nothing after the signature.
  std::string bare = lee.substr(lee.find("HURRICANE LEE"));
  std::string crlf;
  for (const char c : bare) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  const Storm plain = read_storm(crlf);
  EXPECT_EQ(plain.fix.centre, (LatLon{24.7, -66.4}));
  EXPECT_EQ(plain.forecast.size(), 8u);

  // A depression without 34-kt winds has no largest radius.
  const Storm weak = read_storm(replaced(lee, "34 KT.......210NE 200SE 150SW 170NW.",
                                         "34 KT.......  0NE   0SE   0SW   0NW."));
  EXPECT_FALSE(largest_34kt_radius(weak));

  // A dissipated point with no position.
  const Storm gone =
      read_storm(replaced(lee, "OUTLOOK VALID 17/1800Z 47.1N  64.5W...POST-TROP/EXTRATROP",
                          "OUTLOOK VALID 17/1800Z...DISSIPATED"));
  EXPECT_FALSE(gone.forecast.back().centre);
  EXPECT_EQ(gone.forecast.back().stage, "DISSIPATED");
}

// Times across the end of a month and of a year, resolved against the issue date.
TEST(Tcm, TimesAcrossMonthAndYearEnds) {
  const Storm s = read_storm(kSmallTcm);
  EXPECT_EQ(s.issued, utc(2023, 12, 31, 21));
  EXPECT_EQ(s.fix.time, utc(2023, 12, 31, 21));
  EXPECT_EQ(s.previous->time, utc(2023, 12, 31, 18));
  EXPECT_EQ(s.forecast[0].time, utc(2024, 1, 1, 6));

  std::string leap_text = replaced(kSmallTcm, "SUN DEC 31 2023", "WED FEB 28 2024");
  leap_text = replaced(leap_text, "AT 31/2100Z", "AT 28/2100Z");
  leap_text = replaced(leap_text, "AT 31/1800Z", "AT 28/1800Z");
  const Storm leap = read_storm(replaced(leap_text, "01/0600Z", "29/0600Z"));
  EXPECT_EQ(leap.forecast[0].time, utc(2024, 2, 29, 6));
  const Storm march = read_storm(leap_text);
  EXPECT_EQ(march.forecast[0].time, utc(2024, 3, 1, 6));
}

}  // namespace
}  // namespace hurricane::advisory
