// The scale bar a round length at the projection's scale, measured here along the meridian (the
// projection is conformal); the night palette's legend swatches, as rendered, stand apart from
// the black sea by a stated luminance ratio.
#include <gtest/gtest.h>

#include <cmath>

#include "chart_cases.h"
#include "land/mercator.h"
#include "picture/png_probe.h"
#include "picture/svg_reading.h"

namespace hurricane::chart {
namespace {

using picture::testing::elements_of_class;
namespace probe = picture::testing;

TEST(ScaleBar, RoundLengthAtTheProjectionsScale) {
  for (const testing::Sample& sample : testing::kSamples) {
    for (const double north : {-6.0, 4.0, 12.0}) {
      const testing::Case c = testing::sample_case(sample, north, 4.0);
      const Chart chart = draw_chart(c.input());
      const auto bars = elements_of_class(chart.svg, "scale-bar");
      ASSERT_EQ(bars.size(), 1u) << sample.file;
      const double nm = std::stod(bars[0].at("data-nm"));
      const double px = std::stod(bars[0].at("data-px"));
      const double lat = std::stod(bars[0].at("data-lat"));
      // Round: 1, 2 or 5 times a power of ten, and the longest such that fits 160 px.
      const double leading = nm / std::pow(10.0, std::floor(std::log10(nm) + 1e-9));
      EXPECT_TRUE(std::fabs(leading - 1) < 1e-9 || std::fabs(leading - 2) < 1e-9 ||
                  std::fabs(leading - 5) < 1e-9)
          << nm;
      EXPECT_LE(px, 160.0);
      EXPECT_GT(px * 2.5, 160.0);
      // At the plot's middle row.
      const PlotArea& area = chart.projection.area();
      EXPECT_NEAR(chart.projection.at({lat, 0.0}).y, area.top + area.height / 2, 0.01);
      // A degree of meridian about that latitude, its length from the rectifying latitude.
      const double arc_nm =
          (land::rectifying_latitude(lat + 0.5) - land::rectifying_latitude(lat - 0.5)) / 90.0 *
          land::quarter_meridian_nm();
      const double arc_px =
          chart.projection.at({lat - 0.5, 0.0}).y - chart.projection.at({lat + 0.5, 0.0}).y;
      EXPECT_NEAR(px, nm * arc_px / arc_nm, px * 2e-4) << sample.file << " at " << lat;
      // The bar drawn that long: its two halves.
      const std::size_t g = chart.svg.find("class=\"scale-bar\"");
      const std::size_t first = chart.svg.find("<rect", chart.svg.find("<rect", g) + 1);
      const double half = std::stod(chart.svg.substr(chart.svg.find("width=\"", first) + 7));
      EXPECT_NEAR(2 * half, px, 0.02);
    }
  }
}

// WCAG's relative luminance of a rendered pixel, and the ratio of two.
double luminance(probe::Rgb c) {
  const auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

double contrast(probe::Rgb a, probe::Rgb b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Before, the night land and open-course swatches rendered at 1.1 and 1.3 to the sea: black on
// black at the helm.
TEST(NightPalette, SwatchesStandApartFromTheSea) {
  const testing::Case c = testing::sample_case(testing::kSamples[0], 0.8, -4.6);
  const plan::Plan plan = testing::plan_for(c, &testing::land());
  const std::string svg = forecast_chart(c.input(&testing::shoreline(), &plan), {.night = true});
  const std::string base = ::testing::TempDir() + "chart_night_swatches";
  probe::write_text(base + ".svg", svg);
  ASSERT_TRUE(
      probe::run(std::string(HURRICANE_RSVG_CONVERT) + " " + base + ".svg -o " + base + ".png"));
  const auto image = probe::read_png(base + ".png");
  ASSERT_TRUE(image);
  const probe::Rgb sea = image->at(5, 5);
  int named = 0;
  const auto swatches = elements_of_class(svg, "legend-swatch");
  ASSERT_GE(swatches.size(), 4u);
  for (const auto& swatch : swatches) {
    const double x = std::stod(swatch.at("x")) + 11.0, y = std::stod(swatch.at("y")) + 5.5;
    const double ratio = contrast(image->at(x, y), sea);
    const std::string& item = swatch.at("data-item");
    if (item == "land" || item.starts_with("open courses")) {
      ++named;
      EXPECT_GE(ratio, 1.5) << item;
    }
    EXPECT_GE(ratio, 1.2) << item;
  }
  EXPECT_EQ(named, 2);
}

}  // namespace
}  // namespace hurricane::chart
