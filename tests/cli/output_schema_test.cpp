// The fleet's lines and the hindcast's JSON keep to docs/fleet.schema.json and
// docs/hindcast.schema.json, and those schemas are strict enough to refuse a broken line.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/run_program.h"
#include "cli/schema_check.h"

namespace hurricane::cli_test {
namespace {

const SchemaFiles& files() {
  static const SchemaFiles loaded = {{"advice.schema.json", schema_file("advice.schema.json")}};
  return loaded;
}

const std::string kData = std::string(HURRICANE_SOURCE_DIR) + "/tests/hindcast/data";

std::vector<json> fleet_lines(const std::vector<std::string>& options) {
  const std::string ships =
      "{\"id\": \"east\", \"position\": \"13.2N,59.3W\", \"speed\": 12, \"course\": 270}\n"
      "{\"id\": \"ashore\", \"position\": \"13.1N,59.6W\", \"speed\": 12}\n"
      "{\"id\": 7, \"position\": \"26N,53W\", \"speed\": 9, \"time\": \"2003-09-11T12:00Z\"}\n"
      "no ship here\n";
  std::vector<std::string> args = {"fleet", "--advisory", kData + "/21.132003.index-at.xml"};
  args.insert(args.end(), options.begin(), options.end());
  const ProgramRun run = run_program(args, &ships);
  EXPECT_EQ(run.status, 0) << run.err;
  std::vector<json> lines;
  std::istringstream out(run.out);
  for (std::string line; std::getline(out, line);) lines.push_back(json::parse(line));
  return lines;
}

TEST(OutputSchema, EveryFleetLineKeepsToTheFleetSchemaWithAndWithoutLand) {
  const json& schema = schema_file("fleet.schema.json");
  for (const auto& options : {std::vector<std::string>{}, std::vector<std::string>{"--no-land"}}) {
    const std::vector<json> lines = fleet_lines(options);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[1].contains("error") == options.empty());  // ashore only with land
    for (const json& line : lines) {
      const auto problems = schema_problems(line, schema, &files());
      EXPECT_TRUE(problems.empty()) << line.dump().substr(0, 200) << "\n" << problems.front();
    }
  }
}

TEST(OutputSchema, TheFleetSchemaRefusesBrokenLines) {
  const json& schema = schema_file("fleet.schema.json");
  json answer = fleet_lines({})[0];
  ASSERT_TRUE(schema_problems(answer, schema, &files()).empty());
  json without_forecast = answer;
  without_forecast.erase("forecast");
  EXPECT_FALSE(schema_problems(without_forecast, schema, &files()).empty());
  json bad_land = answer;
  bad_land["classic"]["land"]["checked"] = "maybe";
  EXPECT_FALSE(schema_problems(bad_land, schema, &files()).empty());
  json bad_forecast = answer;
  bad_forecast["forecast"]["land_checked"] = "yes";
  EXPECT_FALSE(schema_problems(bad_forecast, schema, &files()).empty());
  const json both = {{"id", "x"}, {"line", 1}, {"error", "e"}, {"classic", answer["classic"]}};
  EXPECT_FALSE(schema_problems(both, schema, &files()).empty());
  EXPECT_FALSE(schema_problems(json{{"id", "x"}, {"line", 0}, {"error", "e"}}, schema).empty());
}

TEST(OutputSchema, TheHindcastJsonKeepsToTheHindcastSchema) {
  const ProgramRun run =
      run_program({"hindcast", "--advisories", kData + "/22.132003.index-at.xml",
                   kData + "/23.132003.index-at.xml", "--best-track", kData + "/54.bal132003.dat",
                   "--rings", "60,250", "--bearings", "3", "--hours", "24", "--format", "json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json scores = json::parse(run.out);
  const json& schema = schema_file("hindcast.schema.json");
  const auto problems = schema_problems(scores, schema);
  EXPECT_TRUE(problems.empty()) << problems.front();
  json broken = scores;
  broken["policies"][0].erase("progress");
  EXPECT_FALSE(schema_problems(broken, schema).empty());
  broken = scores;
  broken["policies"][2]["policy"] = "panic";
  EXPECT_FALSE(schema_problems(broken, schema).empty());
  // Fewer policies, the yardstick among them, in the order asked: the schema takes them too.
  const ProgramRun some =
      run_program({"hindcast", "--advisories", kData + "/22.132003.index-at.xml", "--best-track",
                   kData + "/54.bal132003.dat", "--rings", "250", "--bearings", "3", "--hours",
                   "24", "--policies", "hindsight-plan,voyage", "--format", "json"});
  ASSERT_EQ(some.status, 0) << some.err;
  const json chosen = json::parse(some.out);
  const auto chosen_problems = schema_problems(chosen, schema);
  EXPECT_TRUE(chosen_problems.empty()) << chosen_problems.front();
  ASSERT_EQ(chosen["policies"].size(), 2u);
  EXPECT_EQ(chosen["policies"][0]["policy"], "hindsight-plan");
  EXPECT_EQ(chosen["policies"][1]["policy"], "voyage");
}

}  // namespace
}  // namespace hurricane::cli_test
