// The plan's block where it must not reassure: a voyage held by a plan that does not keep
// clear, and a plan that keeps clear only by giving up sea room.
#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace hurricane::report
