// Every shared advisory charted over the shoreline in both palettes: a well-formed document that
// the renderer draws, with the palette's colours and no number that is not finite.
#include <gtest/gtest.h>

#include "chart/chart_palette.h"
#include "chart_cases.h"
#include "picture/png_probe.h"

namespace hurricane::chart {
namespace {

namespace probe = picture::testing;

TEST(Samples, EveryAdvisoryInBothPalettes) {
  for (const testing::Sample& sample : testing::kSamples) {
    const testing::Case c = testing::sample_case(sample);
    for (const bool night : {false, true}) {
      const std::string name = std::string(sample.file) + (night ? " night" : " day");
      const std::string svg = forecast_chart(c.input(&testing::shoreline()), {.night = night});
      EXPECT_EQ(svg.find("nan"), std::string::npos) << name;
      EXPECT_EQ(svg.find("inf"), std::string::npos) << name;
      EXPECT_NE(svg.find("class=\"land\""), std::string::npos) << name;
      EXPECT_NE(svg.find("class=\"swath\""), std::string::npos) << name;
      // The coast is drawn again over the danger areas, whose overlapping tints hide the land.
      const auto coast = svg.find("class=\"coastline\"");
      ASSERT_NE(coast, std::string::npos) << name;
      EXPECT_GT(coast, svg.rfind("class=\"wind-area\"")) << name;
      const std::string base = ::testing::TempDir() + "chart_sample";
      probe::write_text(base + ".svg", svg);
      ASSERT_TRUE(probe::run(std::string(HURRICANE_XMLLINT) + " --noout " + base + ".svg")) << name;
      ASSERT_TRUE(
          probe::run(std::string(HURRICANE_RSVG_CONVERT) + " " + base + ".svg -o " + base + ".png"))
          << name;
      const auto image = probe::read_png(base + ".png");
      ASSERT_TRUE(image) << name;
      EXPECT_EQ(image->width, 1000);
      // The margin outside the plot carries the palette's background.
      const probe::Rgb corner = image->at(5, 5);
      EXPECT_LT(probe::distance(corner, probe::rgb_of(chart_palette(night).halo)), 3) << name;
    }
  }
}

}  // namespace
}  // namespace hurricane::chart
