// The escape plan through the real executable: asked for with --to, the block comes first and
// states what the JSON `plan` holds (both formatted from one plan); options checked.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "cli/advisory_runs.h"
#include "cli/schema_check.h"

namespace hurricane::cli_test {
namespace {

void expect_advice_schema(const json& answer) {
  std::ifstream schema_file(HURRICANE_SOURCE_DIR "/docs/advice.schema.json");
  for (const std::string& problem : schema_problems(answer, json::parse(schema_file))) {
    ADD_FAILURE() << problem;
  }
}

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
  expect_advice_schema(answer);
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

// Lee far away, ships by the land: the voyage is never run onto it, and plans alike in
// progress and ample clearance do not wander.
TEST(AdvisePlan, NearLandTheVoyageStopsShortAndPlansGoRoundItDirectly) {
  const auto plan_of = [](std::vector<std::string> more) {
    std::vector<std::string> arguments = {
        "advise",   "--advisory", advisory_path("tcm-al132023-30.txt"), "--ship-speed", "14",
        "--format", "json"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    const ProgramRun run = run_program(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    return json::parse(run.out)["plan"];
  };
  // Due west across the Gulf the course meets the coast near 97.5W: once it was shut by it, the
  // plan now holds it to 10 nm off the shore and says where.
  const json gulf = plan_of({"--ship", "25N,90W", "--course", "270"});
  ASSERT_TRUE(gulf["short_of_land"].is_object()) << gulf.dump();
  EXPECT_TRUE(gulf["legs"].empty());
  EXPECT_NEAR(gulf["short_of_land"]["position"]["lon"].get<double>(), -97.3, 0.15);
  EXPECT_GE(gulf["least_sea_room_nm"].get<double>(), 10.0);
  const ProgramRun text =
      run_program({"advise", "--advisory", advisory_path("tcm-al132023-30.txt"), "--ship-speed",
                   "14", "--ship", "25N,90W", "--course", "270"});
  EXPECT_NE(
      unwrapped(text.out).find(
          "10 nm off the shore: the voyage's course meets land there; give a route around it\n"),
      std::string::npos)
      << text.out;
  // A ship already within the sea room, its course onto the coast: it holds where it is (planned
  // again at every advisory it once crept 10 nm nearer each time, aground in the hindcast).
  const json inshore = plan_of({"--ship", "25N,97.4W", "--course", "270"});
  ASSERT_TRUE(inshore["short_of_land"].is_object()) << inshore.dump();
  EXPECT_EQ(inshore["short_of_land"]["time"], "2023-09-12T21:00:00Z");
  EXPECT_NEAR(inshore["short_of_land"]["position"]["lon"].get<double>(), -97.4, 1e-9);
  // South of the Keys bound for Miami (the straight line crosses the Keys): round them at full
  // speed and arrive; it once ran 546 nm west and back to be further from a storm 250 nm clear.
  const json keys = plan_of({"--ship", "24.2N,81.0W", "--to", "25.8N,79.9W"});
  ASSERT_TRUE(keys["keeps_clear"].get<bool>());
  ASSERT_FALSE(keys["legs"].empty());
  // Hours into September of an ISO time of the answer.
  const auto hours = [](const json& t) {
    const std::string s = t.get<std::string>();
    return std::stod(s.substr(8, 2)) * 24 + std::stod(s.substr(11, 2)) +
           std::stod(s.substr(14, 2)) / 60;
  };
  double steamed = 0;
  for (const json& leg : keys["legs"]) {
    EXPECT_EQ(leg["speed_kn"].get<double>(), 14.0);
    steamed += leg["speed_kn"].get<double>() * (hours(leg["end"]) - hours(leg["start"]));
  }
  EXPECT_LE(steamed, 100.0);
  EXPECT_GE(keys["least_sea_room_nm"].get<double>(), 10.0);
  EXPECT_GT(keys["progress_nm"].get<double>(), 112.0);
  // Without a voyage a ship far from the storm heaves to at once.
  const json clear = plan_of({"--ship", "18N,75W"});
  ASSERT_EQ(clear["legs"].size(), 1u) << clear.dump();
  EXPECT_EQ(clear["legs"][0]["speed_kn"].get<double>(), 0.0);
  EXPECT_EQ(clear["legs"][0]["start"], "2023-09-12T21:00:00Z");
}

// Matthew's advisory 22 and a ship among the Bahamas: no plan keeps clear 10 nm off the
// shore, one does 5 nm off; the text says so before anything else and the JSON states both.
TEST(AdvisePlan, ReducedSeaRoomIsSaidFirstAndStatedInTheJson) {
  const std::vector<std::string> arguments = {"advise",
                                              "--advisory",
                                              HURRICANE_SOURCE_DIR
                                              "/tests/hindcast/data/22.142016.index-at.xml",
                                              "--at",
                                              "2016-10-03T15:00Z",
                                              "--ship",
                                              "23.1286,-75.0",
                                              "--ship-speed",
                                              "12",
                                              "--error",
                                              "cone:1.5",
                                              "--margin",
                                              "50"};
  const ProgramRun text = run_program(arguments);
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_TRUE(text.out.starts_with(
      "Escape plan to 06/1500Z, out of the 34-kt danger area and 5 nm off the shore:\n"
      "SEA ROOM REDUCED: no plan keeps clear 10 nm off the shore; this one keeps 5 nm.\n"))
      << text.out;
  std::vector<std::string> as_json = arguments;
  as_json.insert(as_json.end(), {"--format", "json"});
  const ProgramRun run = run_program(as_json);
  ASSERT_EQ(run.status, 0) << run.err;
  const json answer = json::parse(run.out);
  expect_advice_schema(answer);
  const json& plan = answer["plan"];
  EXPECT_TRUE(plan["keeps_clear"].get<bool>());
  EXPECT_EQ(plan["sea_room_nm"], 10.0);
  EXPECT_EQ(plan["reduced_sea_room_nm"], 5.0);
  EXPECT_GE(plan["least_sea_room_nm"].get<double>(), 5.0);
  // Asked for 1 nm, there is nothing to reduce.
  std::vector<std::string> close_in = as_json;
  close_in.insert(close_in.end(), {"--sea-room", "1"});
  const json asked = json::parse(run_program(close_in).out)["plan"];
  EXPECT_EQ(asked["sea_room_nm"], 1.0);
  EXPECT_TRUE(asked["reduced_sea_room_nm"].is_null());
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
