// The chart's projection: graticule lines and forecast points where the Mercator formula of the
// ellipsoid puts them, and the rendered lines at those pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "chart/chart_palette.h"
#include "chart_cases.h"
#include "picture/png_probe.h"
#include "picture/svg_reading.h"

namespace hurricane::chart {
namespace {

using picture::testing::elements_of_class;
using testing::judged;

// The isometric latitude of the WGS84 ellipsoid in degrees, written out here on its own.
double mercator_y(double lat_deg) {
  const double e = std::sqrt(1.0 / 298.257223563 * (2.0 - 1.0 / 298.257223563));
  const double s = std::sin(lat_deg * std::numbers::pi / 180.0);
  return (std::atanh(s) - e * std::atanh(e * s)) * 180.0 / std::numbers::pi;
}

testing::Case lee_like() {
  using forecast::testing::equal_radii;
  using forecast::testing::track_of;
  return judged({track_of({{0, {24.0, -65.0}, 100, equal_radii(150)},
                           {24, {27.0, -67.0}, 90, equal_radii(180)},
                           {48, {31.0, -67.5}, 80, equal_radii(200)},
                           {72, {36.0, -66.0}, 70, equal_radii(220)}},
                          {315, 7})},
                {26.0, -59.3});
}

// One scale for longitude and isometric latitude: every graticule line and every forecast point
// sits where x = a + k * lon and y = b - k * mercator_y(lat) put it.
TEST(Mercator, GraticuleAndPointsFollowTheFormula) {
  const testing::Case c = lee_like();
  const std::string svg = forecast_chart(c.input());
  const auto lines = elements_of_class(svg, "graticule");
  std::vector<std::pair<double, double>> lons, lats;  // degrees, pixels
  for (const auto& line : lines) {
    if (line.contains("data-lon")) {
      EXPECT_EQ(line.at("x1"), line.at("x2"));
      lons.emplace_back(std::stod(line.at("data-lon")), std::stod(line.at("x1")));
    } else {
      ASSERT_TRUE(line.contains("data-lat"));
      EXPECT_EQ(line.at("y1"), line.at("y2"));
      lats.emplace_back(std::stod(line.at("data-lat")), std::stod(line.at("y1")));
    }
  }
  ASSERT_GE(lons.size(), 3u);
  ASSERT_GE(lats.size(), 3u);
  const double k =
      (lons.back().second - lons.front().second) / (lons.back().first - lons.front().first);
  const double a = lons.front().second - k * lons.front().first;
  const double b = lats.front().second + k * mercator_y(lats.front().first);
  for (const auto& [lon, x] : lons) EXPECT_NEAR(x, a + k * lon, 0.01) << lon;
  for (const auto& [lat, y] : lats) EXPECT_NEAR(y, b - k * mercator_y(lat), 0.01) << lat;
  const auto points = elements_of_class(svg, "forecast-point");
  ASSERT_EQ(points.size(), 4u);
  for (const auto& point : points) {
    EXPECT_NEAR(std::stod(point.at("cx")), a + k * std::stod(point.at("data-lon")), 0.01);
    EXPECT_NEAR(std::stod(point.at("cy")), b - k * mercator_y(std::stod(point.at("data-lat"))),
                0.01);
  }
}

// Rendered, a meridian's pixel column is the graticule's colour nearly all the way down, and
// the columns a few pixels aside are not.
TEST(Mercator, RenderedGraticuleAtItsPixels) {
  const testing::Case c = lee_like();
  const std::string svg = forecast_chart(c.input());
  const std::string base = ::testing::TempDir() + "chart_graticule";
  picture::testing::write_text(base + ".svg", svg);
  ASSERT_TRUE(picture::testing::run(std::string(HURRICANE_RSVG_CONVERT) + " " + base + ".svg -o " +
                                    base + ".png"));
  const auto image = picture::testing::read_png(base + ".png");
  ASSERT_TRUE(image);
  const picture::testing::Rgb colour = picture::testing::rgb_of(chart_palette(false).graticule);
  const picture::testing::Rgb sea = picture::testing::rgb_of(chart_palette(false).sea);
  const Projection& projection = draw_chart(c.input()).projection;
  // A row shows the line at `x` where it darkens the sea by a quarter of the graticule's
  // contrast or more, in either pixel column the line may straddle.
  const int contrast = picture::testing::distance(colour, sea);
  const auto marked = [&](double x, double y) {
    const int left = picture::testing::distance(image->at(x - 0.5, y), sea);
    const int right = picture::testing::distance(image->at(x + 0.5, y), sea);
    return 4 * std::max(left, right) >= contrast;
  };
  for (const auto& line : elements_of_class(svg, "graticule")) {
    if (!line.contains("data-lon")) continue;
    const double x = std::stod(line.at("x1"));
    // Nearly every row shows the meridian; where other layers leave the sea bare, the columns
    // four pixels aside show nothing, so the line is at x and not beside it.
    int rows = 0, on_line = 0, alone = 0;
    for (double y = projection.area().top + 2;
         y < projection.area().top + projection.area().height - 2; y += 1.0, ++rows) {
      if (!marked(x, y)) continue;
      ++on_line;
      alone += !marked(x - 4.0, y) && !marked(x + 4.0, y);
    }
    EXPECT_GT(on_line, rows * 9 / 10) << line.at("data-lon");
    EXPECT_GT(alone, rows / 4) << line.at("data-lon");
  }
}

}  // namespace
}  // namespace hurricane::chart
