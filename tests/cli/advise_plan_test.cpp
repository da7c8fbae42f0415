// The escape plan through the real executable: asked for with --to, the block comes first and
// states what the JSON `plan` holds (both formatted from one plan); options checked.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "cli/advisory_runs.h"
#include "cli/schema_check.h"

namespace hurricane::cli_test {
namespace {

// Lee's advisory 30: a ship off Hispaniola bound for Nassau at 14 kn, its voyage into the danger.
std::vector<std::string> plan_run(std::vector<std::string> more) {
  std::vector<std::string> arguments = {
      "advise", "--advisory",  advisory_path("tcm-al132023-30.txt"),
      "--ship", "20.5N,69.0W", "--ship-speed",
      "14",     "--to",        "25.5N,77.5W"};
  arguments.insert(arguments.end(), more.begin(), more.end());
  return arguments;
}

TEST(AdvisePlan, TextFirstAndJsonStateTheSamePlan) {
  const ProgramRun text = run_program(plan_run({}));
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out.find("Escape plan to 15/2100Z, out of the 34-kt danger area and 10 nm off "
                          "the shore:\n"),
            0u)
      << text.out;
  EXPECT_LT(text.out.find("least clearance "), text.out.find("From the advisory"));
  const ProgramRun run = run_program(plan_run({"--format", "json"}));
  ASSERT_EQ(run.status, 0) << run.err;
  const json answer = json::parse(run.out);
  std::ifstream schema_file(HURRICANE_SOURCE_DIR "/docs/advice.schema.json");
  for (const std::string& problem : schema_problems(answer, json::parse(schema_file))) {
    ADD_FAILURE() << problem;
  }
  const json& plan = answer["plan"];
  // The JSON's lines are the text's block, word for word, for a page to show as they are.
  std::string block;
  for (const json& line : plan["report"]) block += line.get<std::string>() + "\n";
  EXPECT_TRUE(plan["report"].size() > 4 && text.out.starts_with(block + "\n")) << block << "\n---\n"
                                                                               << text.out;
  ASSERT_TRUE(plan["keeps_clear"].get<bool>());
  ASSERT_FALSE(plan["legs"].empty());
  // Every leg the JSON holds is a line of the text, in order.
  std::size_t after = 0;
  for (const json& leg : plan["legs"]) {
    char course[64];
    std::snprintf(course, sizeof course, "steer %03d at %.1f kn, ", leg["course_deg"].get<int>(),
                  leg["speed_kn"].get<double>());
    const std::size_t at = text.out.find(course, after);
    ASSERT_NE(at, std::string::npos) << course << "\n" << text.out;
    after = at + 1;
  }
  char clearance[64];
  std::snprintf(clearance, sizeof clearance, "least clearance %.1f nm",
                plan["least_clearance_nm"].get<double>());
  EXPECT_NE(text.out.find(clearance), std::string::npos);
  EXPECT_GE(plan["least_clearance_nm"].get<double>(), 0.0);
  EXPECT_GE(plan["least_sea_room_nm"].get<double>(), 10.0);
  // Without a voyage the plan still gets clear and stays clear, and no progress is claimed.
  const ProgramRun plain =
      run_program({"advise", "--advisory", advisory_path("tcm-al132023-30.txt"), "--ship",
                   "20.5N,69.0W", "--ship-speed", "14"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.out.rfind("Escape plan to ", 0), 0u) << plain.out;
  EXPECT_EQ(plain.out.find("progress "), std::string::npos);
}

TEST(AdvisePlan, OptionsAreChecked) {
  for (const auto& [more, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"--avoid", "40"}, "--avoid: expected 34, 50 or 64"},
           {{"--sea-room", "-1"}, "--sea-room: expected nm from 0 to 100"}}) {
    const ProgramRun run = run_program(plan_run(more));
    EXPECT_EQ(run.status, 1) << more[0];
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
  const ProgramRun bad_to =
      run_program({"advise", "--advisory", advisory_path("tcm-al132023-30.txt"), "--ship",
                   "20.5N,69.0W", "--ship-speed", "14", "--to", "95N,10W"});
  EXPECT_EQ(bad_to.status, 1);
  EXPECT_NE(bad_to.err.find("--to: expected a position"), std::string::npos) << bad_to.err;
}

}  // namespace
}  // namespace hurricane::cli_test
