// A storm's advisories read as a series: what cannot be read is left out and named, the rest
// kept in fix order.
#include "hindcast/series.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace hurricane::hindcast {
namespace {

std::string data_file(const std::string& name) {
  std::ifstream in(std::string(HINDCAST_DATA_DIR) + "/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// Pins: one unreadable advisory failed the whole hindcast; and `.5W` was such a one.
TEST(Series, SkipsAndNamesWhatItCannotRead) {
  const std::string a20 = data_file("20.132003.index-at.xml");
  const std::string a21 = data_file("21.132003.index-at.xml");
  const std::string a22 = data_file("22.132003.index-at.xml");
  // 22 cut before its forecaster's name, 21 with a point at half a degree west.
  const std::string cut = a22.substr(0, a22.find("FORECASTER"));
  const std::string half_west =
      replaced(a21, "OUTLOOK VALID 16/0600Z 26.0N  72.0W", "OUTLOOK VALID 16/0600Z 52.3N    .5W");
  auto read = read_series({{"a22.xml", cut}, {"a21.xml", half_west}, {"a20.xml", a20}}, "");
  ASSERT_TRUE(read.ok()) << read.error().problem;
  const Series& series = read.value();
  ASSERT_EQ(series.advisories.size(), 2u);
  EXPECT_EQ(series.advisories[0].storm.number, 20);
  EXPECT_EQ(series.advisories[1].storm.number, 21);
  EXPECT_EQ(series.advisories[1].storm.forecast.back().centre->lon, -0.5);
  ASSERT_EQ(series.skipped.size(), 1u);
  EXPECT_EQ(series.skipped[0].rfind("a22.xml:", 0), 0u) << series.skipped[0];
  EXPECT_NE(series.skipped[0].find("looks cut"), std::string::npos) << series.skipped[0];
  // Nothing readable at all is the error.
  auto none = read_series({{"a22.xml", cut}}, "");
  ASSERT_FALSE(none.ok());
  EXPECT_EQ(none.error().problem.rfind("a22.xml:", 0), 0u);
}

}  // namespace
}  // namespace hurricane::hindcast
