// A storm without 34-kt winds and no --keep: the classic advice is left out and says it needs
// --keep, advice [F] is still given, and the run succeeds.
#include <gtest/gtest.h>

#include <fstream>

#include "cli/advisory_runs.h"
#include "cli/schema_check.h"

namespace hurricane::cli_test {
namespace {

// Hone's forecast/advisory 42 with its 34-kt lines removed: a post-tropical low.
constexpr const char* kLow = "tcm-cp012024-42-no34kt.txt";
constexpr const char* kLowShip = "25N,178E";
constexpr const char* kNeedsKeep =
    "Classic advice [A]/[B] left out: the advisory gives no 34-kt wind radius (a depression, or "
    "weaker): give the distance to keep with --keep.\n";

json parsed_valid(const ProgramRun& run) {
  const json answer = json::parse(run.out, nullptr, false);
  for (const std::string& problem : schema_problems(answer, schema_file("advice.schema.json"))) {
    ADD_FAILURE() << problem;
  }
  return answer;
}

TEST(AdviseWithoutKeep, TextSaysTheClassicNeedsKeepAndGivesForecastAdvice) {
  const ProgramRun run = run_program(advise_on(kLow, {"--no-land"}, kLowShip));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find(kNeedsKeep), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("==> Result:"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("   keep         none: the advisory gives no 34-kt wind radius\n"),
            std::string::npos);
  // [F] judges the error and margin alone: the model line, the storm and the sweep's lines.
  const std::string forecast = block_from(run.out, "          ==> Along the official forecast");
  EXPECT_NE(forecast.find("Model: error cone:2 (two-thirds cone CP 2023) + margin 100 nm"),
            std::string::npos)
      << forecast;
  EXPECT_NE(forecast.find("CP012024 advisory 42: 8 points"), std::string::npos) << forecast;
  EXPECT_NE(forecast.find("Open courses at 12.0 kn: "), std::string::npos) << forecast;
  EXPECT_NE(forecast.find("Staying put: "), std::string::npos) << forecast;
  EXPECT_NE(forecast.find("meets no forecast winds of 34 kt"), std::string::npos) << forecast;
}

TEST(AdviseWithoutKeep, JsonLeavesTheClassicKeysNullAndNamesWhatIsNeeded) {
  const ProgramRun run = run_program(advise_on(kLow, {"--no-land", "--format", "json"}, kLowShip));
  ASSERT_EQ(run.status, 0) << run.err;
  const json answer = parsed_valid(run);
  EXPECT_EQ(answer["schema_version"], 6);
  EXPECT_EQ(answer["classic_needs"]["input"], "keep");
  EXPECT_NE(answer["classic_needs"]["message"].get<std::string>().find("no 34-kt wind radius"),
            std::string::npos);
  for (const char* key : {"advice_a", "advice_b", "land", "dangerous_quarter", "area"}) {
    EXPECT_TRUE(answer[key].is_null()) << key;
  }
  EXPECT_EQ(answer["report"], json::array());
  EXPECT_TRUE(answer["situation"]["keep_nm"].is_null());
  EXPECT_NEAR(answer["situation"]["distance_nm"].get<double>(), 105.0, 0.1);
  EXPECT_EQ(answer["advisory"]["advisory_keep"], nullptr);
  // Without 34-kt radii the danger area is the error and margin about the centre: the ship
  // 105 nm from it is inside it now, whatever its course.
  const json& forecast = answer["forecast"];
  ASSERT_TRUE(forecast.is_object());
  EXPECT_EQ(forecast["storms"][0]["storm_id"], "CP012024");
  EXPECT_LT(forecast["stay"]["clearance_nm"].get<double>(), 0.0);
  EXPECT_EQ(forecast["stay"]["enters_at_h"], 0.0);
  EXPECT_EQ(forecast["none_open"], true);
}

// With --keep the same product gives the classic advice as before, and a fabricated depression
// too; the maneuvering board needs the classic advice and refuses plainly without it.
TEST(AdviseWithoutKeep, KeepBringsTheClassicBackAndTheBoardNeedsIt) {
  const ProgramRun kept = run_program(advise_on(kLow, {"--no-land", "--keep", "150"}, kLowShip));
  ASSERT_EQ(kept.status, 0) << kept.err;
  EXPECT_NE(kept.out.find("==> Result:"), std::string::npos);
  EXPECT_EQ(kept.out.find("left out"), std::string::npos);

  const std::string depression = kDepression;
  const ProgramRun plain = run_program(
      {"advise", "--advisory", "-", "--ship", "27N,70W", "--ship-speed", "12"}, &depression);
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_NE(plain.out.find(kNeedsKeep), std::string::npos) << plain.out;

  const ProgramRun board = run_program(
      advise_on(kLow, {"--no-land", "--svg", ::testing::TempDir() + "/low.svg"}, kLowShip));
  EXPECT_EQ(board.status, 1);
  EXPECT_NE(board.err.find("--svg: the maneuvering board draws the classic advice. Classic "
                           "advice [A]/[B] left out"),
            std::string::npos)
      << board.err;
}

}  // namespace
}  // namespace hurricane::cli_test
