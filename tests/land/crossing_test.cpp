// The edge tests at their borders: ends touched, edges along the track, tracks of no length.
#include <gtest/gtest.h>

#include "land/crossing.h"

namespace hurricane::land {
namespace {

TEST(Crossing, FirstTouchAlongTheTrack) {
  const MercatorPoint from{0.0, 0.0}, to{10.0, 0.0};
  EXPECT_DOUBLE_EQ(*first_touch(from, to, {4.0, -1.0}, {4.0, 1.0}), 0.4);   // across
  EXPECT_DOUBLE_EQ(*first_touch(from, to, {3.0, 0.0}, {3.0, 5.0}), 0.3);    // an end on it
  EXPECT_DOUBLE_EQ(*first_touch(from, to, {0.0, -1.0}, {0.0, 1.0}), 0.0);   // at the start
  EXPECT_DOUBLE_EQ(*first_touch(from, to, {10.0, 2.0}, {10.0, 0.0}), 1.0);  // at the end
  EXPECT_FALSE(first_touch(from, to, {11.0, -1.0}, {11.0, 1.0}));           // beyond the end
  EXPECT_FALSE(first_touch(from, to, {4.0, 0.5}, {4.0, 1.0}));              // short of it
  EXPECT_FALSE(first_touch(from, to, {0.0, 1.0}, {10.0, 1.0}));             // parallel
  // Along the track: from where they first share a point, whichever way the edge runs.
  EXPECT_DOUBLE_EQ(*first_touch(from, to, {7.0, 0.0}, {2.0, 0.0}), 0.2);
  EXPECT_DOUBLE_EQ(*first_touch(from, to, {-3.0, 0.0}, {2.0, 0.0}), 0.0);
  EXPECT_FALSE(first_touch(from, to, {12.0, 0.0}, {15.0, 0.0}));
  EXPECT_FALSE(first_touch(from, from, {0.0, -1.0}, {0.0, 1.0}));  // no length
}

// Shorelines cut at a vertical bin edge go on from the same vertex; the ray through that
// vertex counts the crossing once.
TEST(Crossing, NorthRayCountsAShorelineOnceAtASharedVertex) {
  const MercatorPoint p{5.0, 0.0};
  const MercatorPoint west{4.0, 1.0}, on_edge{5.0, 2.0}, east{6.0, 3.0};
  EXPECT_NE(crosses_north_ray(p, west, on_edge), crosses_north_ray(p, on_edge, east));
  EXPECT_FALSE(crosses_north_ray(p, {4.0, -1.0}, {6.0, -1.0}));  // south of the point
  EXPECT_TRUE(crosses_north_ray(p, {4.0, 1.0}, {6.0, 1.0}));
  EXPECT_FALSE(crosses_north_ray(p, {5.0, 1.0}, {5.0, 3.0}));  // along the ray
}

}  // namespace
}  // namespace hurricane::land
