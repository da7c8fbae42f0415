// The hindcast and fleet commands end to end: a short hindcast of real advisories, and a fleet
// with good ships and bad lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "run_program.h"

namespace hurricane::cli_test {
namespace {

const std::string kData = std::string(HURRICANE_SOURCE_DIR) + "/tests/hindcast/data";
const std::string kAdvisory = kData + "/21.132003.index-at.xml";

TEST(Hindcast, ScoresEveryPolicyAsJsonAndWritesEveryEncounterAsCsv) {
  const std::string csv =
      (std::filesystem::temp_directory_path() / "hurricane-hindcast-test.csv").string();
  const ProgramRun run = run_program({"hindcast", "--advisories", kData + "/22.132003.index-at.xml",
                                      kData + "/23.132003.index-at.xml", "--best-track",
                                      kData + "/54.bal132003.dat", "--rings", "250", "--bearings",
                                      "2", "--hours", "12", "--format", "json", "--csv", csv});
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json answer = nlohmann::json::parse(run.out);
  EXPECT_EQ(answer["storm_id"], "AL132003");
  ASSERT_EQ(answer["policies"].size(), 8u);
  EXPECT_EQ(answer["policies"][0]["policy"], "plan");
  EXPECT_EQ(answer["policies"][7]["policy"], "perpendicular");
  for (const auto& policy : answer["policies"]) {
    EXPECT_EQ(policy["encounters"], 4);  // two starts, two ships each, none inside the winds
    for (const char* key : {"escapable", "escaped", "deepest_entry_nm", "progress"}) {
      EXPECT_TRUE(policy.contains(key)) << key;
    }
  }
  std::ifstream in(csv);
  std::string line;
  std::size_t rows = 0;
  while (std::getline(in, line)) ++rows;
  EXPECT_EQ(rows, 1u + 4u * 8u);
  std::filesystem::remove(csv);
}

// Ships 1500 nm around Isabel reach from the open Atlantic to South America and Africa: with
// land, the starts on land are dropped and the forecast advice's courses are held against it.
TEST(Hindcast, WithLandDropsStartsOnLandAndSaysSo) {
  const auto scores = [](const std::vector<std::string>& more) {
    std::vector<std::string> args = {"hindcast",
                                     "--advisories",
                                     kData + "/22.132003.index-at.xml",
                                     "--best-track",
                                     kData + "/54.bal132003.dat",
                                     "--rings",
                                     "1500",
                                     "--bearings",
                                     "12",
                                     "--hours",
                                     "12",
                                     "--format",
                                     "json"};
    args.insert(args.end(), more.begin(), more.end());
    const ProgramRun run = run_program(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return nlohmann::json::parse(run.out);
  };
  const nlohmann::json at_sea = scores({});
  const nlohmann::json held = scores({"--land", HURRICANE_SHORELINE_FILE});
  EXPECT_FALSE(at_sea["forecast"]["land"].get<bool>());
  EXPECT_TRUE(held["forecast"]["land"].get<bool>());
  const int all = at_sea["policies"][0]["encounters"];
  const int afloat = held["policies"][0]["encounters"];
  EXPECT_EQ(all, 12);
  EXPECT_GT(afloat, 0);
  EXPECT_LT(afloat, all);
  EXPECT_EQ(run_program({"hindcast", "--advisories", kAdvisory, "--best-track",
                         kData + "/54.bal132003.dat", "--land", kData + "/no-such-land.bin"})
                .status,
            1);
}

TEST(Hindcast, NamesTheInputItCannotUse) {
  const ProgramRun no_truth =
      run_program({"hindcast", "--advisories", kAdvisory, "--best-track", kData + "/missing.dat"});
  EXPECT_EQ(no_truth.status, 1);
  EXPECT_NE(no_truth.err.find("missing.dat"), std::string::npos);
  // An advisory it cannot read is skipped with a warning naming it; none readable is the error.
  const ProgramRun one_unreadable = run_program(
      {"hindcast", "--advisories", kAdvisory, kData + "/../encounter_test.cpp", "--best-track",
       kData + "/54.bal132003.dat", "--bearings", "1", "--rings", "300"});
  EXPECT_EQ(one_unreadable.status, 0) << one_unreadable.err;
  EXPECT_NE(one_unreadable.err.find("warning: skipped "), std::string::npos) << one_unreadable.err;
  EXPECT_NE(one_unreadable.err.find("encounter_test.cpp:1: "), std::string::npos);
  const ProgramRun not_advisory =
      run_program({"hindcast", "--advisories", kData + "/../encounter_test.cpp", "--best-track",
                   kData + "/54.bal132003.dat"});
  EXPECT_EQ(not_advisory.status, 1);
  EXPECT_NE(not_advisory.err.find("encounter_test.cpp"), std::string::npos);
  EXPECT_EQ(run_program({"hindcast", "--best-track", kAdvisory}).status, 2);
  EXPECT_EQ(run_program({"hindcast", "--advisories", kAdvisory, "--best-track", kAdvisory,
                         "--bearings", "0"})
                .status,
            2);
}

TEST(Fleet, AnswersEveryLineInOrderWithErrorsNamingTheShip) {
  const std::string ships =
      "{\"id\": \"north\", \"position\": \"26.0N,53.0W\", \"speed\": 14, \"course\": 270}\n"
      "not json at all\n"
      "\n"
      "{\"id\": \"painted\", \"position\": \"26N,53W\", \"speed\": 12, \"colour\": \"red\"}\n"
      "{\"id\": \"pole\", \"position\": \"95N,53W\", \"speed\": 12}\n"
      "{\"id\": \"drifting\", \"position\": \"20N,50W\", \"speed\": 0}\n"
      "[1, 2]\n"
      "{\"id\": 7, \"position\": \"18.0N,56.0W\", \"speed\": 10, \"time\": "
      "\"2003-09-11T12:00Z\"}\n"
      "{\"id\": \"racer\", \"position\": \"20N,50W\", \"speed\": 55}\n";
  const ProgramRun run = run_program({"fleet", "--advisory", kAdvisory, "--threads", "2"}, &ships);
  ASSERT_EQ(run.status, 0) << run.err;
  std::istringstream lines(run.out);
  std::vector<nlohmann::json> answers;
  for (std::string line; std::getline(lines, line);) answers.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(answers.size(), 8u);  // the blank line asks nothing

  EXPECT_EQ(answers[0]["id"], "north");
  EXPECT_EQ(answers[0]["classic"]["area"].is_string(), true);
  EXPECT_EQ(answers[0]["forecast"]["recommended"]["course_deg"].is_number(), true);

  EXPECT_TRUE(answers[1]["id"].is_null());
  EXPECT_EQ(answers[1]["line"], 2);
  EXPECT_EQ(answers[1]["error"], "not a JSON object");

  EXPECT_EQ(answers[2]["id"], "painted");
  EXPECT_NE(answers[2]["error"].get<std::string>().find("unknown field \"colour\""),
            std::string::npos);
  EXPECT_EQ(answers[3]["id"], "pole");
  EXPECT_NE(answers[3]["error"].get<std::string>().find("position \"95N,53W\""), std::string::npos);
  EXPECT_EQ(answers[4]["id"], "drifting");
  EXPECT_NE(answers[4]["error"].get<std::string>().find("speed"), std::string::npos);
  EXPECT_EQ(answers[5]["error"], "not a JSON object");
  EXPECT_EQ(answers[5]["line"], 7);

  EXPECT_EQ(answers[6]["id"], "7");
  EXPECT_TRUE(answers[6]["classic"].contains("area"));  // a whole-number id, a time of its own
  EXPECT_TRUE(answers[6]["forecast"].contains("speeds"));
  // The fleet took ships up to 60 kn that `advise` refuses above 50: one limit now.
  EXPECT_NE(answers[7]["error"].get<std::string>().find("at most 50"), std::string::npos);
}

// A ship's line bound somewhere gets the plan advise gives for the same ship and destination,
// first in its answer and not inside the classic part.
TEST(Fleet, EachShipsPlanIsTheOneAdviseGives) {
  const std::string lee =
      std::string(HURRICANE_SOURCE_DIR) + "/tests/advisory/data/tcm-al132023-30.txt";
  const std::string ships =
      "{\"id\": \"P\", \"position\": \"23.5N,72.0W\", \"speed\": 14, \"to\": "
      "\"25.05N,77.35W\"}\n{\"id\": \"Q\", \"position\": \"23.5N,72.0W\", \"speed\": 14, "
      "\"to\": \"somewhere\"}\n";
  const ProgramRun run = run_program({"fleet", "--advisory", lee, "--threads", "1"}, &ships);
  ASSERT_EQ(run.status, 0) << run.err;
  std::istringstream lines(run.out);
  std::string first, second;
  std::getline(lines, first);
  std::getline(lines, second);
  const nlohmann::json line = nlohmann::json::parse(first);
  const ProgramRun advise =
      run_program({"advise", "--advisory", lee, "--ship", "23.5N,72.0W", "--ship-speed", "14",
                   "--to", "25.05N,77.35W", "--format", "json"});
  ASSERT_EQ(advise.status, 0) << advise.err;
  EXPECT_EQ(line["plan"], nlohmann::json::parse(advise.out)["plan"]);
  EXPECT_EQ(line["plan"]["voyage"], "destination");
  EXPECT_FALSE(line["classic"].contains("plan"));
  EXPECT_NE(nlohmann::json::parse(second)["error"].get<std::string>().find("to:"),
            std::string::npos);
}

TEST(Fleet, ErrorsNameTheLinesFieldsNotTheOptions) {
  const std::string ships =
      "{\"id\": \"eye\", \"position\": \"21.3N,53.7W\", \"speed\": 12}\n"
      "{\"id\": \"late\", \"position\": \"26N,53W\", \"speed\": 12, \"time\": \"soon\"}\n";
  const ProgramRun run = run_program({"fleet", "--advisory", kAdvisory, "--threads", "1"}, &ships);
  ASSERT_EQ(run.status, 0) << run.err;
  std::istringstream lines(run.out);
  std::vector<nlohmann::json> answers;
  for (std::string line; std::getline(lines, line);) answers.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(answers.size(), 2u);
  // The ship in the eye: its answer is the error, naming the input by the line's own field.
  const std::string eye = answers[0]["error"].get<std::string>();
  EXPECT_TRUE(eye.starts_with("position: the ship is at the storm's centre")) << eye;
  const std::string late = answers[1]["error"].get<std::string>();
  EXPECT_TRUE(late.starts_with("time \"soon\": ")) << late;
  for (const std::string& text : {eye, late}) EXPECT_EQ(text.find("--"), std::string::npos) << text;
}

// An Atlantic and an eastern Pacific storm: each judged with its own basin's cone, as advise
// judges them.
TEST(Fleet, EachStormWithItsOwnConeTable) {
  const std::string data = std::string(HURRICANE_SOURCE_DIR) + "/tests/advisory/data/";
  const std::string ship = "{\"id\": \"a\", \"position\": \"27N,70W\", \"speed\": 12}\n";
  const ProgramRun run = run_program({"fleet", "--advisory", data + "tcm-al132023-30.txt",
                                      "--advisory", data + "tcm-ep072024-27.txt", "--threads", "1"},
                                     &ship);
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json storms = nlohmann::json::parse(run.out)["forecast"]["storms"];
  ASSERT_EQ(storms.size(), 2u);
  EXPECT_EQ(storms[0]["error_model"]["basin"], "AL");
  EXPECT_EQ(storms[1]["error_model"]["basin"], "EP");
}

TEST(Fleet, RefusesAnAdvisoryItCannotRead) {
  const std::string ships = "{\"id\": \"a\", \"position\": \"26N,53W\", \"speed\": 12}\n";
  const ProgramRun run =
      run_program({"fleet", "--advisory", kData + "/54.bal132003.dat.missing"}, &ships);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.empty());
}

}  // namespace
}  // namespace hurricane::cli_test
