// Several storms on one chart: each one's danger swath drawn with the error model the advice
// judged it with.
#include <gtest/gtest.h>

#include "chart_cases.h"
#include "forecast/danger_outline.h"
#include "forecast/storm_samples.h"

namespace hurricane::chart {
namespace {

using forecast::testing::equal_radii;
using forecast::testing::track_of;

// Pins: every storm's swath was drawn with the first storm's cone.
TEST(StormCones, EachStormItsOwnCone) {
  std::vector<forecast::StormTrack> storms = {
      track_of(
          {{0, {20.0, -60.0}, 100, equal_radii(120)}, {72, {26.0, -64.0}, 90, equal_radii(150)}}),
      track_of(
          {{0, {18.0, -45.0}, 80, equal_radii(90)}, {72, {22.0, -50.0}, 70, equal_radii(100)}})};
  storms[1].storm_id = "CP992024";
  storms[1].basin = "CP";
  forecast::SweepRequest request;
  request.at = storms.front().points.front().time;
  request.ship = {14.0, -52.0};
  request.speed_kn = 14.0;
  request.error.table = forecast::cone_table("AL", 2024);
  request.storm_tables = {request.error.table, forecast::cone_table("CP", 2024)};
  testing::Case c;
  c.storms = storms;
  c.ship = request.ship;
  c.advice = forecast::advise_forecast(storms, request, std::nullopt);
  ASSERT_NE(c.advice.storms[1].error.table.radii_nm, c.advice.storms[0].error.table.radii_nm);
  const Chart chart = draw_chart(c.input());

  std::vector<std::vector<Pixel>> expected;
  const auto count = static_cast<std::size_t>(c.advice.sweep.horizon_h) + 1;
  for (std::size_t s = 0; s < storms.size(); ++s) {
    for (const forecast::StormSample& sample :
         forecast::storm_samples(storms[s], c.advice.storms[s].error, c.advice.at, 1.0, count)) {
      if (!sample.judged) continue;
      std::vector<Pixel> ring;
      for (const navigation::LatLon& point : forecast::danger_outline(sample, 90)) {
        ring.push_back(chart.projection.at(point));
      }
      expected.push_back(std::move(ring));
    }
  }
  ASSERT_EQ(chart.swath.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    bool same = chart.swath[i].size() == expected[i].size();
    for (std::size_t k = 0; same && k < expected[i].size(); ++k) {
      same = chart.swath[i][k].x == expected[i][k].x && chart.swath[i][k].y == expected[i][k].y;
    }
    EXPECT_TRUE(same) << "outline " << i;
  }
}

}  // namespace
}  // namespace hurricane::chart
