// The waypoint a ship on the route heads for, and the course to it.
#include <gtest/gtest.h>

#include "navigation/geodesic.h"
#include "route/route_course.h"

namespace hurricane::route {
namespace {

// Miami to Nassau by the Northwest Providence Channel.
const Route kRoute{"Miami - Nassau",
                   {{"GOVT CUT", {25.765, -80.13}, {}},
                    {"GULF STREAM", {25.8333, -79.25}, {}},
                    {"NW CHANNEL", {25.8167, -78.1}, {}},
                    {"NASSAU", {25.095, -77.355}, {}}}};

// Brute force along each leg: a ship on leg i heads for waypoint i+1 until it is nearer
// waypoint i+1 than waypoint i, then for i+2 (the last stays the last until arrival).
TEST(RouteCourse, NextWaypointAlongEveryLeg) {
  const auto& points = kRoute.waypoints;
  for (std::size_t leg = 0; leg + 1 < points.size(); ++leg) {
    const navigation::Leg whole =
        navigation::inverse(points[leg].position, points[leg + 1].position);
    for (double share = 0.02; share < 1.0; share += 0.04) {
      const navigation::LatLon ship =
          navigation::direct(points[leg].position, whole.azimuth_from, whole.distance_nm * share)
              .position;
      const bool past_half = share > 0.5;
      const std::size_t expected = past_half ? std::min(leg + 2, points.size() - 1) : leg + 1;
      EXPECT_EQ(next_waypoint(kRoute, ship), expected) << "leg " << leg << " share " << share;
      const auto toward = course_toward(kRoute, ship);
      ASSERT_TRUE(toward);
      // Steaming the course a mile brings the ship nearer the waypoint by about a mile.
      const navigation::LatLon on = navigation::direct(ship, toward->course_deg, 1.0).position;
      EXPECT_NEAR(toward->distance_nm -
                      navigation::inverse(on, points[toward->waypoint].position).distance_nm,
                  1.0, 1e-3);
    }
  }
}

TEST(RouteCourse, NoCourseOnceArrivedAtTheLast) {
  EXPECT_EQ(next_waypoint(kRoute, {25.0960, -77.3550}), std::nullopt);
  // Beyond the end, off Nassau to the southeast, the last waypoint is still the way back.
  EXPECT_EQ(next_waypoint(kRoute, {24.9, -77.0}), 3u);
}

}  // namespace
}  // namespace hurricane::route
