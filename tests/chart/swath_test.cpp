// The danger swath: it holds the storm's centre at every hour of the horizon, and a
// recommended track that advice [F] finds clear stays out of it.
#include <gtest/gtest.h>

#include "chart_cases.h"
#include "forecast/centre_in_time.h"
#include "forecast/ship_track.h"

namespace hurricane::chart {
namespace {

using forecast::testing::equal_radii;
using forecast::testing::track_of;
using testing::in_swath;
using testing::judged;

void expect_centre_in_swath(const testing::Case& c, const Chart& chart) {
  ASSERT_FALSE(chart.swath.empty());
  for (const forecast::StormTrack& track : c.storms) {
    const forecast::CentreInTime centre(track);
    const double end = std::min(c.advice.sweep.horizon_h,
                                forecast::hours_between(c.advice.at, forecast::track_end(track)));
    for (double h = 0.0; h <= end; h += 1.0) {
      const Pixel at = chart.projection.at(centre.at(forecast::add_hours(c.advice.at, h)));
      EXPECT_TRUE(in_swath(at, chart)) << track.storm_id << " at +" << h << " h";
    }
  }
}

TEST(Swath, HoldsTheCentreAtEveryHour) {
  const testing::Case c = judged({track_of({{0, {20.0, -60.0}, 100, equal_radii(120)},
                                            {24, {23.0, -63.0}, 90, {150, 120, 60, 80}},
                                            {48, {27.0, -64.0}, 70, {0, 0, 0, 0}},
                                            {72, {32.0, -62.0}, 60, equal_radii(200)}},
                                           {315, 8})},
                                 {25.0, -55.0});
  expect_centre_in_swath(c, draw_chart(c.input()));
  for (const testing::Sample& sample : testing::kSamples) {
    const testing::Case real = testing::sample_case(sample);
    expect_centre_in_swath(real, draw_chart(real.input()));
  }
}

// A storm going north and a ship well south of it: [F] finds the way south clear, and the whole
// recommended track lies outside the swath.
TEST(Swath, ClearTrackStaysOutside) {
  const testing::Case c = judged({track_of({{0, {25.0, -70.0}, 90, equal_radii(100)},
                                            {36, {29.0, -70.5}, 80, equal_radii(120)},
                                            {72, {34.0, -69.0}, 70, equal_radii(150)}},
                                           {0, 6})},
                                 {19.0, -70.0});
  ASSERT_TRUE(c.advice.recommended);
  ASSERT_GT(c.advice.recommended->passage.clearance_nm, 0.0);
  const Chart chart = draw_chart(c.input());
  ASSERT_FALSE(chart.recommended_track.empty());
  for (const Pixel& p : chart.recommended_track) EXPECT_FALSE(in_swath(p, chart));
  // The ship's track is drawn with its course.
  EXPECT_NE(chart.svg.find("class=\"ship-track\" data-course=\"" +
                           std::to_string(c.advice.recommended->course_deg) + '"'),
            std::string::npos);
}

}  // namespace
}  // namespace hurricane::chart
