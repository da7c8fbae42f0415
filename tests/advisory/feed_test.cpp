// The RSS feed sample carries Lee's and Margot's forecast/advisories among other products.
#include <gtest/gtest.h>

#include "samples.h"

namespace hurricane::advisory {
namespace {

TEST(Feed, ChoosesTheStormById) {
  const std::string feed = sample("rss-atlantic-al132023-30.xml");
  const Storm lee = read_storm(feed, "AL132023");
  EXPECT_EQ(lee.form, SourceForm::kRssFeed);
  EXPECT_EQ(lee.name, "LEE");
  EXPECT_EQ(lee.number, 30);
  EXPECT_EQ(lee.issued_by, "THE NWS WEATHER PREDICTION CENTER COLLEGE PARK MD");
  EXPECT_EQ(lee.fix.centre, (LatLon{24.7, -66.4}));
  EXPECT_EQ(lee.radii.kt34, radii(210, 200, 150, 170));
  EXPECT_EQ(lee.forecast.size(), 8u);

  const Storm margot = read_storm(feed, "al142023");  // either letter case
  EXPECT_EQ(margot.id, "AL142023");
  EXPECT_EQ(margot.name, "MARGOT");
  EXPECT_EQ(margot.number, 22);
  EXPECT_EQ(margot.fix.centre, (LatLon{31.7, -39.6}));
  EXPECT_EQ(margot.motion.velocity.track, 0.0);  // 360 DEGREES
  EXPECT_EQ(margot.motion.velocity.speed, 12.0);
  EXPECT_EQ(margot.previous->centre, (LatLon{31.1, -39.5}));
}

TEST(Feed, SeveralStormsNeedAnId) {
  const std::string feed = sample("rss-atlantic-al132023-30.xml");
  const Error none = read_error(feed);
  EXPECT_EQ(none.line, 209u);  // Lee's title
  EXPECT_NE(none.problem.find("AL132023, AL142023"), std::string::npos) << none.problem;
  const Error unknown = read_error(feed, "AL152023");
  EXPECT_NE(unknown.problem.find("no storm AL152023"), std::string::npos) << unknown.problem;
  EXPECT_NE(unknown.problem.find("AL132023, AL142023"), std::string::npos) << unknown.problem;
}

// Errors inside the carried text name the line of the feed.
TEST(Feed, ErrorsNameTheFeedLine) {
  const std::string feed =
      replaced(sample("rss-atlantic-al132023-30.xml"), "AT   6 KT", "AT   x KT");
  const Error error = read_error(feed, "AL132023");
  EXPECT_EQ(error.line, 222u);
  EXPECT_NE(error.problem.find("PRESENT MOVEMENT"), std::string::npos) << error.problem;
}

// A one-storm feed needs no id. Here the text is escaped into the XML (no CDATA) with <br/>
// line breaks, several on one feed line.
TEST(Feed, EscapedTextWithLineBreaks) {
  std::string escaped;
  for (const char c : kSmallTcm) {
    if (c == '\n') {
      escaped += "&lt;br/&gt;";
    } else if (c == '&') {
      escaped += "&amp;";
    } else {
      escaped += c;
    }
  }
  const std::string feed = "<?xml version=\"1.0\"?>\n<rss><channel>\n<item>\n<description>" +
                           escaped + "</description>\n</item></channel></rss>\n";
  const Storm s = read_storm(feed);
  EXPECT_EQ(s.id, "AL992023");
  EXPECT_EQ(s.fix.centre, (LatLon{24.7, -66.4}));
  EXPECT_EQ(s.forecast.size(), 1u);

  const Error error = read_error(replaced(feed, "100 KT WITH", "1O0 KT WITH"));
  EXPECT_EQ(error.line, 4u);
}

TEST(Feed, WithoutForecastAdvisory) {
  const Error error = read_error(
      "<rss><channel><item><description>Tropical Weather Outlook</description>"
      "</item></channel></rss>");
  EXPECT_EQ(error.line, 1u);
  EXPECT_NE(error.problem.find("forecast/advisory"), std::string::npos);
}

// Regression (fuzzer): an error past the last line end of a one-line feed named line 2.
TEST(Feed, ErrorLineStaysWithinTheFeed) {
  const Error error = read_error(
      "<rss><item><description>HURRICANE TEST FORECAST/ADVISORY NUMBER 1&lt;br/&gt;"
      "NWS NATIONAL HURRICANE CENTER MIAMI FL AL992023\n");
  EXPECT_EQ(error.line, 1u);
  EXPECT_NE(error.problem.find("issue time"), std::string::npos) << error.problem;
}

}  // namespace
}  // namespace hurricane::advisory
