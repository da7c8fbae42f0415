// The plan's block where it must not reassure: a voyage held by a plan that does not keep
// clear, and a plan that keeps clear only by giving up sea room.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "report/plan_lines.h"

namespace hurricane::report {
namespace {

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

TEST(PlanLines, NeitherAHeldVoyageNorAReducedSeaRoomReadsAsClear) {
  plan::Plan plan;
  plan.judged = true;
  plan.land_held = true;
  plan.sea_room_nm = 10.0;
  plan.voyage = plan::Voyage::Kind::kCourse;
  plan.holds_voyage_until = plan.until;
  plan.keeps_clear = false;
  plan.meets = 64;
  plan.least_clearance_nm = -80.0;
  std::string text = joined(plan_lines(plan, std::nullopt));
  EXPECT_NE(text.find("NO PLAN KEEPS CLEAR."), std::string::npos) << text;
  EXPECT_NE(text.find("\nhold the voyage\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("it keeps clear"), std::string::npos) << text;

  plan.keeps_clear = true;
  plan.least_clearance_nm = 12.0;
  plan.reduced_sea_room_nm = 2.0;
  text = joined(plan_lines(plan, std::nullopt));
  EXPECT_TRUE(text.find("and 2 nm off the shore:\nSEA ROOM REDUCED: no plan keeps clear 10 nm off "
                        "the shore; this one keeps 2 nm.\n") != std::string::npos)
      << text;
  EXPECT_NE(text.find("least sea room: no shoreline within 22 nm"), std::string::npos) << text;
}

// A voyage that meets the shore at once, held until the first leg: the ship lies stopped short of
// the shore meanwhile, and the bridge must read that before the leg, not after the resume, as if
// the voyage ran on until then. A stop short on the resumed voyage stays after the resume.
TEST(PlanLines, AStopShortIsSaidWhereItFallsInTheTrack) {
  const plan::Time t0 = std::chrono::sys_days{std::chrono::year{2016} / 10 / 3};
  plan::Plan plan;
  plan.judged = true;
  plan.keeps_clear = true;
  plan.land_held = true;
  plan.sea_room_nm = 10.0;
  plan.voyage = plan::Voyage::Kind::kCourse;
  plan.until = t0 + std::chrono::hours{72};
  plan.holds_voyage_until = t0 + std::chrono::hours{5};
  plan.legs.push_back({268,
                       12.0,
                       t0 + std::chrono::hours{5},
                       t0 + std::chrono::hours{22},
                       {23.3, -75.3},
                       {23.2, -79.0}});
  plan.resume = plan::Resume{180, std::nullopt, t0 + std::chrono::hours{22}, {23.2, -79.0}};
  auto order = [&](plan::Time stop) {
    plan.short_of_land = plan::ShortOfLand{stop, {23.3, -75.3}};
    const std::string text = joined(plan_lines(plan, std::nullopt));
    return std::vector<std::size_t>{text.find("hold the voyage until 03/0500Z"),
                                    text.find("stop short at"), text.find("steer 268"),
                                    text.find("resume 180")};
  };
  const std::vector<std::size_t> held = order(t0);
  EXPECT_TRUE(held[0] < held[1] && held[1] < held[2] && held[2] < held[3]);
  // Resumed from there, the voyage stops short again: said after the resume.
  plan.track.push_back(
      {plan::TrackTurn::Kind::kStopShort, t0 + std::chrono::hours{35}, {22.2, -79.0}, 0, 0.0});
  const std::string again = joined(plan_lines(plan, std::nullopt));
  const std::size_t second = again.find("stop short again at 04/1100Z, 22");
  ASSERT_NE(second, std::string::npos) << again;
  EXPECT_GT(second, again.find("resume 180")) << again;
  plan.track.clear();
  const std::vector<std::size_t> resumed = order(t0 + std::chrono::hours{40});
  EXPECT_TRUE(resumed[0] < resumed[2] && resumed[2] < resumed[3] && resumed[3] < resumed[1]);
}

}  // namespace
}  // namespace hurricane::report
