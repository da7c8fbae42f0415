// The fleet held against land, as `advise` is: a ship on land answers with an error naming it,
// and both the classic escapes and advice [F] keep off land, saying where they would meet it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "run_program.h"

namespace hurricane::cli_test {
namespace {

const std::string kAdvisory =
    std::string(HURRICANE_SOURCE_DIR) + "/tests/hindcast/data/21.132003.index-at.xml";

std::vector<nlohmann::json> fleet(const std::string& ships, std::vector<std::string> options = {}) {
  std::vector<std::string> args = {"fleet", "--advisory", kAdvisory, "--threads", "2"};
  args.insert(args.end(), options.begin(), options.end());
  const ProgramRun run = run_program(args, &ships);
  EXPECT_EQ(run.status, 0) << run.err;
  std::istringstream lines(run.out);
  std::vector<nlohmann::json> answers;
  for (std::string line; std::getline(lines, line);) answers.push_back(nlohmann::json::parse(line));
  return answers;
}

// Barbados lies across 13.2N from 59.42W to 59.65W: a ship 7 nm east of it on a voyage due west
// would run aground within two hours.
const std::string kEastOfBarbados =
    "{\"id\": \"east\", \"position\": \"13.2N,59.3W\", \"speed\": 12, \"course\": 270}\n";

TEST(FleetLand, AShipOnLandAnswersWithAnErrorNamingItAndTheOthersAreAnswered) {
  const std::vector<nlohmann::json> answers = fleet(
      "{\"id\": \"bridgetown\", \"position\": \"13.1N,59.6W\", \"speed\": 12}\n" + kEastOfBarbados);
  ASSERT_EQ(answers.size(), 2u);
  EXPECT_EQ(answers[0]["id"], "bridgetown");
  EXPECT_EQ(answers[0]["line"], 1);
  const std::string error = answers[0]["error"].get<std::string>();
  EXPECT_EQ(error.rfind("position \"13.1N,59.6W\"", 0), 0u) << error;
  EXPECT_NE(error.find("on land"), std::string::npos) << error;
  EXPECT_FALSE(answers[0].contains("forecast"));
  EXPECT_EQ(answers[1]["id"], "east");
  EXPECT_TRUE(answers[1].contains("forecast"));
}

TEST(FleetLand, TheBestCourseKeepsOffTheLandItsVoyageWouldCross) {
  const std::vector<nlohmann::json> answers = fleet(kEastOfBarbados);
  ASSERT_EQ(answers.size(), 1u);
  const nlohmann::json& forecast = answers[0]["forecast"];
  ASSERT_TRUE(forecast["land_checked"].get<bool>());
  const nlohmann::json& due_west = forecast["speeds"][0]["land_at_h"][270];
  ASSERT_TRUE(due_west.is_number()) << forecast["speeds"][0]["land_at_h"].dump();
  EXPECT_LT(due_west.get<double>(), 2.0);
  for (const auto& range : forecast["speeds"][0]["open"]) {
    const int first = range["first"], last = range["last"];
    EXPECT_FALSE(first <= last ? first <= 270 && 270 <= last : 270 >= first || 270 <= last);
  }
  const nlohmann::json& best = forecast["recommended"];
  EXPECT_NE(best["course_deg"], 270);
  EXPECT_TRUE(best["land_at_h"].is_null());

  const nlohmann::json& classic = answers[0]["classic"];
  EXPECT_EQ(classic["land"]["checked"], "yes");
  ASSERT_FALSE(classic["advice_a"]["escapes"].empty());
  EXPECT_TRUE(classic["advice_a"]["escapes"][0].contains("land_at_h"));
}

TEST(FleetLand, WithoutLandEveryAnswerSaysLandWasLeftOut) {
  const std::vector<nlohmann::json> answers = fleet(
      "{\"id\": \"bridgetown\", \"position\": \"13.1N,59.6W\", \"speed\": 12}\n" + kEastOfBarbados,
      {"--no-land"});
  ASSERT_EQ(answers.size(), 2u);
  for (const nlohmann::json& answer : answers) {
    EXPECT_EQ(answer["classic"]["land"]["checked"], "off");
    EXPECT_FALSE(answer["forecast"]["land_checked"].get<bool>());
  }
  EXPECT_EQ(
      run_program({"fleet", "--advisory", kAdvisory, "--land", "/nonexistent/land.bin"}).status, 1);
}

}  // namespace
}  // namespace hurricane::cli_test
