#include "forecast/danger_outline.h"

#include <gtest/gtest.h>

#include <cmath>

#include "forecast/quarter_discs.h"
#include "forecast/storm_samples.h"
#include "forecast/tracks.h"

namespace hurricane::forecast {
namespace {

using testing::analysis_time;
using testing::track_of;

// Every outline point lies on the danger area's edge as the sweep measures it: the signed
// distance to the 34-kt quarter-discs equals the allowance, for unequal radii, a quadrant
// without winds, and none at all.
TEST(DangerOutline, PointsLieOnTheEdgeTheSweepMeasures) {
  ErrorModel model;
  model.table = cone_table("AL", 2024);
  model.margin_nm = 25;
  for (const QuadrantNm radii :
       {QuadrantNm{150, 90, 0, 60}, QuadrantNm{}, QuadrantNm{40, 40, 40, 40}}) {
    const StormTrack track = track_of({{0, {25, -70}, 80, radii}, {24, {28, -72}, 80, radii}});
    for (const StormSample& sample : storm_samples(track, model, analysis_time(), 12.0, 3)) {
      ASSERT_TRUE(sample.judged);
      const std::vector<LatLon> outline = danger_outline(sample, 72);
      ASSERT_EQ(outline.size(), 72u);
      for (const LatLon& point : outline) {
        const double depth =
            signed_distance_nm(exact_plane_point(sample.centre, point), sample.radii[0]);
        EXPECT_NEAR(depth, sample.allowance_nm, 0.05);
      }
    }
  }
}

// The wind area's outline keeps each quadrant's radius, with the radial steps between them.
TEST(DangerOutline, WindAreaQuadrants) {
  const QuadrantNm radii = {120, 80, 0, 50};
  const std::vector<LatLon> outline = wind_area_outline({20, -60}, radii, 6);
  ASSERT_EQ(outline.size(), 28u);
  for (std::size_t q = 0; q < 4; ++q) {
    for (std::size_t i = 0; i < 7; ++i) {
      const PlanePoint p = exact_plane_point({20, -60}, outline[q * 7 + i]);
      EXPECT_NEAR(std::hypot(p.east_nm, p.north_nm), radii[q], 1e-6);
    }
  }
}

}  // namespace
}  // namespace hurricane::forecast
