// The sea room reduced: Matthew at advisory 22 (3 October 2016) with a ship among the Bahamas,
// the storm due south moving north. Islands within 10 nm on every side leave no plan that keeps
// 10 nm off the shore, and lying there meets the hurricane; 5 nm off, the ship gets clear.
#include <gtest/gtest.h>

#include "checker.h"
#include "situations.h"

namespace hurricane::plan {
namespace {

PlanRequest matthew_request(LatLon ship) {
  const forecast::StormTrack track =
      testing::read_track(std::string(PLAN_HINDCAST_DIR) + "/22.142016.index-at.xml");
  PlanRequest request = testing::request_for(track, ship, 12.0);
  request.error.scale = 1.5;
  request.error.margin_nm = 50.0;
  request.land = &testing::shoreline();
  return request;
}

constexpr LatLon kAmongIslands{23.1286, -75.0};

TEST(SeaRoom, BoxedInAmongIslandsThePlanKeepsClearCloserToTheShoreAndSaysSo) {
  for (const bool bound : {false, true}) {
    PlanRequest request = matthew_request(kAmongIslands);
    if (bound) {  // for open water north-east of the islands
      request.voyage.kind = Voyage::Kind::kDestination;
      request.voyage.waypoints = {{26.0, -70.0}};
    }
    const Plan plan = make_plan(request);
    ASSERT_TRUE(plan.keeps_clear) << bound;
    ASSERT_TRUE(plan.reduced_sea_room_nm) << bound;
    EXPECT_EQ(*plan.reduced_sea_room_nm, 5.0);
    EXPECT_EQ(plan.sea_room_nm, 10.0);
    const testing::Check check = testing::check_plan(request, plan);
    EXPECT_EQ(check.fault, "") << bound;
    EXPECT_GE(check.least_clearance, 0.0) << bound;
    EXPECT_GE(check.least_sea_room, 5.0 - 0.15) << bound;
    // Somewhere the 10 nm asked is given up: else the plan was there to be had with it.
    EXPECT_LT(check.least_sea_room, 10.0) << bound;
    // It is the plan asked for with 5 nm outright.
    request.sea_room_nm = 5.0;
    const Plan asked = make_plan(request);
    EXPECT_FALSE(asked.reduced_sea_room_nm);
    ASSERT_EQ(asked.legs.size(), plan.legs.size());
    for (std::size_t i = 0; i < plan.legs.size(); ++i) {
      EXPECT_EQ(asked.legs[i].course_deg, plan.legs[i].course_deg);
      EXPECT_EQ(asked.legs[i].start, plan.legs[i].start);
      EXPECT_EQ(asked.legs[i].end, plan.legs[i].end);
    }
  }
}

TEST(SeaRoom, NeverReducedInOpenWaterOrWithoutLandOrWhenNothingKeepsClear) {
  // In open water east of the islands the sea room asked is kept.
  const Plan open = make_plan(matthew_request({23.5, -68.0}));
  EXPECT_TRUE(open.keeps_clear);
  EXPECT_FALSE(open.reduced_sea_room_nm);
  // Without land there is no sea room to give up: nothing keeps clear, and it says so.
  PlanRequest blind = matthew_request(kAmongIslands);
  blind.land = nullptr;
  blind.speed_kn = 2.0;
  const Plan slow = make_plan(blind);
  EXPECT_FALSE(slow.keeps_clear);
  EXPECT_FALSE(slow.reduced_sea_room_nm);
  // Nothing keeps clear at 2 kn among the islands either; the least bad keeps the sea room asked.
  blind.land = &testing::shoreline();
  const Plan boxed = make_plan(blind);
  EXPECT_FALSE(boxed.keeps_clear);
  EXPECT_FALSE(boxed.reduced_sea_room_nm);
  EXPECT_GE(testing::check_plan(blind, boxed).least_sea_room, 10.0 - 0.15);
}

}  // namespace
}  // namespace hurricane::plan
