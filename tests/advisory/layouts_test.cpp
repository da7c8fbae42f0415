// Products as they really arrive: cut short in transmission, longitudes below one degree written
// without their zero, and a JTWC date group in the middle of a remarks line.
#include <gtest/gtest.h>

#include "advisory/text_lines.h"
#include "samples.h"

namespace hurricane::advisory {
namespace {

// Pins: a forecast/advisory cut anywhere before its closing line was judged as a shorter
// forecast (or as none). Every cut after the issue time is refused at its last line, as cut.
TEST(Layouts, CutForecastAdvisoryIsRefused) {
  for (const char* name : {"tcm-al132023-30.txt", "tcm-ep072024-27.txt", "tcm-cp012024-42.txt"}) {
    const std::string text = sample(name);
    const std::size_t issued = text.find(" UTC ", text.find("FORECAST/ADVISORY"));
    const std::size_t closing = text.find("\n$$");
    ASSERT_NE(closing, std::string::npos) << name;
    for (std::size_t cut = text.find('\n', issued); cut < closing; cut = text.find('\n', cut + 1)) {
      const std::string kept = text.substr(0, cut + 1);
      const Error error = read_error(kept);
      EXPECT_NE(error.problem.find("looks cut"), std::string::npos) << name << " " << cut;
      // The line named is the last one kept that holds anything.
      const std::vector<TextLine> lines = split_lines(kept);
      std::size_t last = lines.back().line;
      for (const TextLine& line : lines) {
        if (!trim(line.text).empty()) last = line.line;
      }
      EXPECT_EQ(error.line, last) << name << " " << cut;
    }
    // Cut in the middle of a line too.
    EXPECT_NE(read_error(text.substr(0, closing - 7)).problem.find("looks cut"), std::string::npos);
  }
  // The forecaster's name closes it as well as `$$` (products of 2003 end so).
  const std::string lee = sample("tcm-al132023-30.txt");
  EXPECT_EQ(read_storm(replaced(lee, "$$\n", "")).forecast.size(), 8u);
  // Several forecast/advisories in one text: each closes before the next title.
  const std::string second = replaced(lee, "AL132023", "AL142023");
  EXPECT_EQ(read_storm(lee + second, "AL142023").id, "AL142023");
  EXPECT_NE(read_error(replaced(replaced(lee, "$$\n", ""), "FORECASTER", "F") + second, "AL132023")
                .problem.find("looks cut"),
            std::string::npos);
}

// Pins: `.5W` refused the whole advisory (and with it a whole hindcast).
TEST(Layouts, DegreesBelowOneWithoutTheirZero) {
  const std::string lee = sample("tcm-al132023-30.txt");
  const Storm s = read_storm(replaced(lee, "FORECAST VALID 15/1800Z 36.4N  66.8W",
                                      "FORECAST VALID 15/1800Z 52.3N    .5W"));
  ASSERT_EQ(s.forecast.size(), 8u);
  EXPECT_EQ(*s.forecast[5].centre, (LatLon{52.3, -0.5}));
  const Storm near_equator =
      read_storm(replaced(lee, "NEAR 24.7N  66.4W AT 12/2100Z", "NEAR .5S   .9E AT 12/2100Z"));
  EXPECT_EQ(near_equator.fix.centre, (LatLon{-0.5, 0.9}));
  // A lone point or a point without its digit is still no position.
  read_error(replaced(lee, "NEAR 24.7N  66.4W AT 12/2100Z", "NEAR 24.7N  .W AT 12/2100Z"));
  read_error(replaced(lee, "NEAR 24.7N  66.4W AT 12/2100Z", "NEAR 24.7N  ..4W AT 12/2100Z"));
}

// Pins: a warning whose date group stands in the middle of a remarks line "stated no date".
TEST(Layouts, JtwcDateGroupWithinARemarksLine) {
  const std::string khanun = sample("wp062023-khanun-nr017.txt");
  const Storm s =
      read_storm(replaced(khanun, "131.2E.\n31JUL23. TYPHOON", "131.2E. 31JUL23. TYPHOON"));
  EXPECT_EQ(s.issued, utc(2023, 7, 31, 9));
  EXPECT_EQ(s.fix.time, utc(2023, 7, 31, 6));
  EXPECT_EQ(s.warning->remarks_fix->centre, (LatLon{23.1, 131.2}));
  // Only a whole word is a date group: one run into other letters or digits is not.
  for (const char* glued : {"131.2E.X31JUL23. TYPHOON", "131.2E. 31JUL231 TYPHOON"}) {
    EXPECT_NE(read_error(replaced(khanun, "131.2E.\n31JUL23. TYPHOON", glued))
                  .problem.find("states no date"),
              std::string::npos)
        << glued;
  }
}

}  // namespace
}  // namespace hurricane::advisory
