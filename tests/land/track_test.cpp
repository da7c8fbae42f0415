// Tracks in the Mercator plane against GeographicLib's own rhumb lines.
#include <gtest/gtest.h>
#include <GeographicLib/Rhumb.hpp>

#include <cmath>

#include "land/track.h"

namespace hurricane::land {
namespace {

constexpr double kMetresPerNm = 1852.0;

// Every point along the straight Mercator segment lies on the rhumb line, at the distance the
// track reports.
TEST(Track, PointsLieOnTheRhumbLineAtTheirDistance) {
  const auto& rhumb = GeographicLib::Rhumb::WGS84();
  const double courses[] = {0.0, 37.0, 89.9, 90.0, 135.0, 181.0, 270.0, 333.3};
  for (const double course : courses) {
    const auto track = make_track(24.0, -88.0, course, 1440.0);
    ASSERT_TRUE(track);
    EXPECT_DOUBLE_EQ(track->distance_nm, 1440.0);
    for (const double t : {0.0, 0.25, 0.5, 0.9, 1.0}) {
      const Landfall p = point_at(*track, t);
      double lat = 0.0, lon = 0.0;
      rhumb.Direct(24.0, -88.0, course, p.distance_nm * kMetresPerNm, lat, lon);
      EXPECT_NEAR(p.lat, lat, 1e-9) << course << " " << t;
      EXPECT_NEAR(p.lon, lon, 1e-9) << course << " " << t;
    }
  }
}

TEST(Track, CutShortOfThePoleAndRejectedWhenMeaningless) {
  const auto polar = make_track(80.0, 10.0, 10.0, 5000.0);
  ASSERT_TRUE(polar);
  EXPECT_LT(polar->distance_nm, 5000.0);
  EXPECT_NEAR(point_at(*polar, 1.0).lat, kTrackLatitudeLimit, 1e-9);

  const auto around = make_track(0.0, 0.0, 90.0, 1e9);
  ASSERT_TRUE(around);
  EXPECT_EQ(around->distance_nm, kMaxTrackNm);

  EXPECT_FALSE(make_track(NAN, 0.0, 0.0, 10.0));
  EXPECT_FALSE(make_track(0.0, INFINITY, 0.0, 10.0));
  EXPECT_FALSE(make_track(0.0, 0.0, NAN, 10.0));
  EXPECT_FALSE(make_track(0.0, 0.0, 0.0, 0.0));
  EXPECT_FALSE(make_track(0.0, 0.0, 0.0, -5.0));
  EXPECT_FALSE(make_track(89.9, 0.0, 0.0, 10.0));
}

TEST(Track, ShiftsCoverEveryTurnTheTrackReaches) {
  const auto west = make_track(64.0, -177.0, 270.0, 600.0);  // past -180
  ASSERT_TRUE(west);
  EXPECT_EQ(shifts_into_range(*west).first, -1);
  EXPECT_EQ(shifts_into_range(*west).last, 0);
  const auto east = make_track(51.8, 179.5, 90.0, 600.0);  // past 180
  ASSERT_TRUE(east);
  EXPECT_EQ(shifts_into_range(*east).first, 0);
  EXPECT_EQ(shifts_into_range(*east).last, 1);
  const auto home = make_track(24.0, -88.0, 45.0, 100.0);
  ASSERT_TRUE(home);
  EXPECT_EQ(shifts_into_range(*home).first, 0);
  EXPECT_EQ(shifts_into_range(*home).last, 0);
}

}  // namespace
}  // namespace hurricane::land
