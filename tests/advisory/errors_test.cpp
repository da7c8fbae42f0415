// Bad input gives an error naming the line and what was expected there, never a storm.
#include <gtest/gtest.h>

#include <string>

#include "samples.h"

namespace hurricane::advisory {
namespace {

// The small text (see samples.h) with one line changed: an error on that line (1-based).
void expect_error(std::string_view from, std::string_view to, std::size_t line,
                  std::string_view expected) {
  const Error error = read_error(replaced(kSmallTcm, from, to));
  EXPECT_EQ(error.line, line) << to;
  EXPECT_NE(error.problem.find(expected), std::string::npos) << to << ": " << error.problem;
}

TEST(Errors, NoneOfTheForms) {
  for (const std::string_view bytes :
       {std::string_view{}, std::string_view{"\n\n"}, std::string_view{"hello\nworld\n"},
        std::string_view{"\xEF\xBB\xBF"}}) {
    const Error error = read_error(bytes);
    EXPECT_EQ(error.line, 1u);
    EXPECT_NE(error.problem.find("expected a forecast/advisory"), std::string::npos);
  }
}

TEST(Errors, TooLarge) {
  const std::string huge(kMaxInputBytes + 1, ' ');
  const Error error = read_error(huge);
  EXPECT_EQ(error.line, 1u);
  EXPECT_NE(error.problem.find("larger than 4 MiB"), std::string::npos);
}

TEST(Errors, Heading) {
  expect_error("HURRICANE TEST FORECAST", "TEST FORECAST", 1, "expected a title");
  expect_error("NUMBER   1", "NUMBER   X", 1, "expected a title");
  expect_error("AL992023", "AL99202", 2, "storm id");
  expect_error("2100 UTC SUN DEC 31 2023", "2100 UTC SUN DEC 32 2023", 3, "issue time");
  expect_error("2100 UTC SUN DEC 31 2023", "2160 UTC SUN DEC 31 2023", 3, "issue time");
  expect_error("2100 UTC SUN DEC 31 2023", "2100 UTC SUN DXC 31 2023", 3, "issue time");
  expect_error("2100 UTC SUN DEC 31 2023", "", 5, "issue time");
}

TEST(Errors, MissingLines) {
  expect_error("HURRICANE CENTER LOCATED NEAR 24.7N  66.4W AT 31/2100Z\n", "", 1,
               "CENTER LOCATED NEAR");
  expect_error("PRESENT MOVEMENT TOWARD THE NORTHWEST OR 315 DEGREES AT   6 KT\n", "", 5,
               "PRESENT MOVEMENT");
  expect_error("MAX SUSTAINED WINDS 100 KT WITH GUSTS TO 120 KT.\n", "", 5, "MAX SUSTAINED WINDS");
  // What follows "$$" is not read: a centre there does not count.
  const std::string late =
      replaced(kSmallTcm, "HURRICANE CENTER LOCATED NEAR 24.7N  66.4W AT 31/2100Z\n", "");
  EXPECT_EQ(read_error(late + "HURRICANE CENTER LOCATED NEAR 24.7N  66.4W AT 31/2100Z\n").line, 1u);
}

TEST(Errors, CentreAndEarlierPosition) {
  expect_error("NEAR 24.7N  66.4W AT 31", "NEAR 94.7N  66.4W AT 31", 5, "position");
  expect_error("NEAR 24.7N  66.4W AT 31", "NEAR 24.7N 186.4W AT 31", 5, "position");
  expect_error("NEAR 24.7N  66.4W AT 31", "NEAR 24.7   66.4W AT 31", 5, "position");
  expect_error("NEAR 24.7N  66.4W AT 31", "NEAR 24.7N  66.4Q AT 31", 5, "position");
  expect_error("66.4W AT 31/2100Z", "66.4W", 5, "AT dd/hhmmZ");
  expect_error("66.4W AT 31/2100Z", "66.4W AT 31/2500Z", 5, "AT dd/hhmmZ");
  expect_error("66.4W AT 31/2100Z", "66.4W AT 31/210Z", 5, "AT dd/hhmmZ");
  expect_error("66.4W AT 31/2100Z", "66.4W AT 15/2100Z", 5, "falls within 10 days of no date");
  expect_error("AT 31/1800Z CENTER WAS", "AT 31/18Z CENTER WAS", 8, "CENTER WAS LOCATED NEAR");
  expect_error("NEAR 24.5N  66.2W", "NEAR 24.5N", 8, "position");
  expect_error("AT 31/1800Z CENTER WAS", "AT 20/1800Z CENTER WAS", 8, "falls within");
}

TEST(Errors, NumbersThatDoNotParse) {
  expect_error("315 DEGREES AT   6 KT", "315 DEGREES AT   six KT", 6, "PRESENT MOVEMENT");
  expect_error("315 DEGREES AT   6 KT", "365 DEGREES AT   6 KT", 6, "PRESENT MOVEMENT");
  expect_error("TOWARD THE NORTHWEST OR 315", "TOWARD THE NORTHWEST", 6, "PRESENT MOVEMENT");
  expect_error("WINDS 100 KT WITH", "WINDS 1000 KT WITH", 7, "MAX SUSTAINED WINDS");
  expect_error("GUSTS TO 120 KT.", "GUSTS TO KT.", 7, "GUSTS TO");
  expect_error("HURRICANE CENTER LOCATED",
               "POSITION ACCURATE WITHIN NN NM\nHURRICANE CENTER LOCATED", 5,
               "POSITION ACCURATE WITHIN");
  expect_error("HURRICANE CENTER LOCATED",
               "ESTIMATED MINIMUM CENTRAL PRESSURE  9x6 MB\nHURRICANE CENTER LOCATED", 5,
               "PRESSURE");
  expect_error("MAX WIND 100 KT...GUSTS 120 KT.", "MAX WIND 1O0 KT...GUSTS 120 KT.", 10,
               "MAX WIND");
  expect_error("GUSTS 120 KT.\n$$", "GUSTS 12O KT.\n$$", 10, "GUSTS");
}

TEST(Errors, RadiiAndSeas) {
  const std::string_view wind = "GUSTS TO 120 KT.\n";
  const auto after_wind = [&](std::string_view line, std::size_t number, std::string_view what) {
    expect_error(wind, std::string(wind) + std::string(line) + "\n", number, what);
  };
  after_wind("34 KT.......210NE 200SE 150SW.", 8, "wind radii");
  after_wind("34 KT.......210NE 200SE 150NW 170SW.", 8, "wind radii");
  after_wind("34 KT.......210NE 200SE 150SW 17ONW.", 8, "wind radii");
  after_wind("34 KT.......210NE 200SE 150SW 170NW. 40NE", 8, "wind radii");
  after_wind("40 KT.......210NE 200SE 150SW 170NW.", 8, "34, 50 or 64");
  after_wind("34 KT...1NE 2SE 3SW 4NW.\n34 KT...1NE 2SE 3SW 4NW.", 9, "second line");
  after_wind("12 FT SEAS..390NE 300SE 360SW", 8, "seas radii");
  after_wind("12 FT SEAS..1NE 2SE 3SW 4NW.\n12 FT SEAS..1NE 2SE 3SW 4NW.", 9, "second line");
  // Radii below a forecast point belong to it.
  expect_error("MAX WIND 100 KT...GUSTS 120 KT.\n",
               "MAX WIND 100 KT...GUSTS 120 KT.\n64 KT...ONE\n", 11, "wind radii");
}

TEST(Errors, ForecastPoints) {
  expect_error("VALID 01/0600Z 25.4N  67.0W", "VALID 01/0600 25.4N  67.0W", 9, "VALID dd/hhmmZ");
  expect_error("VALID 01/0600Z 25.4N  67.0W", "VALID 01/0600Z 25.4N", 9, "position");
  expect_error("VALID 01/0600Z 25.4N  67.0W", "VALID 01/0600Z 25.4N  67.0W INLAND", 9, "`...`");
  expect_error("VALID 01/0600Z 25.4N  67.0W", "VALID 20/0600Z 25.4N  67.0W", 9, "falls within");
}

// A text with several forecast/advisories needs the id of one; a single one must match it.
TEST(Errors, ChoosingAmongTexts) {
  const std::string other = replaced(kSmallTcm, "AL992023", "AL982023");
  const std::string both = std::string(kSmallTcm) + other;
  EXPECT_NE(read_error(both).problem.find("AL992023, AL982023"), std::string::npos);
  EXPECT_EQ(read_storm(both, "AL982023").id, "AL982023");
  EXPECT_EQ(read_storm(both, "AL992023").id, "AL992023");
  const Error wrong = read_error(kSmallTcm, "AL132023");
  EXPECT_EQ(wrong.line, 1u);
  EXPECT_NE(wrong.problem.find("no storm AL132023"), std::string::npos);
}

}  // namespace
}  // namespace hurricane::advisory
