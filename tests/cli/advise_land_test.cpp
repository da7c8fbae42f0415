// `advise` with the ship's position: its escapes held against the shoreline in text and JSON,
// a position on land refused, and --land / --no-land.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/run_program.h"
#include "cli/schema_check.h"

namespace hurricane::cli_test {
namespace {

using nlohmann::json;

// In the Florida Straits with a storm coming up from the south-west: one escape runs onto the
// cays off Cuba's north coast within three hours.
const std::vector<std::string> kStraits = {
    "advise",  "--ship", "23.5N,81.0W", "--storm", "22.0N,84.0W",  "--track", "45",
    "--speed", "10",     "--keep",      "100",     "--ship-speed", "15"};

std::vector<std::string> with(std::vector<std::string> arguments,
                              const std::vector<std::string>& more) {
  arguments.insert(arguments.end(), more.begin(), more.end());
  return arguments;
}

const json& schema() {
  return schema_file("advice.schema.json");
}

TEST(AdviseLand, EscapeThatMeetsLandSaysWhenAndWhere) {
  const ProgramRun text = run_program(kStraits);
  ASSERT_EQ(text.status, 0) << text.err;
  // An escape meeting land is passed over, not recommended.
  EXPECT_NE(text.out.find(" [A] Escape course = 120 degrees, passed over: meets land\n"
                          "     and minimal speed of ship= 7.5 kts\n"
                          "     meets land at +2.9 h near 23\u00b008.3'N 080\u00b019.3'W\n"),
            std::string::npos)
      << text.out;
  EXPECT_NE(text.out.find("     Land checked 72 h ahead against the shoreline\n"
                          "     GSHHG 2.3.7 intermediate resolution (about 1 km).\n"
                          "     Reefs, shoals and small islands are not in it: check the chart.\n"),
            std::string::npos)
      << text.out;

  const ProgramRun run = run_program(with(kStraits, {"--format", "json"}));
  ASSERT_EQ(run.status, 0) << run.err;
  const json answer = json::parse(run.out);
  for (const std::string& problem : schema_problems(answer, schema())) ADD_FAILURE() << problem;
  const json& escape = answer["advice_a"]["escapes"][0];
  EXPECT_EQ(escape["course"], 120);
  EXPECT_EQ(escape["recommended"], false);
  EXPECT_NEAR(escape["land_at_h"].get<double>(), 2.88, 0.01);
  EXPECT_NEAR(escape["land_at"]["lat"].get<double>(), 23.14, 0.01);
  EXPECT_NEAR(escape["land_at"]["lon"].get<double>(), -80.32, 0.01);
  EXPECT_EQ(answer["land"]["checked"], "yes");
  EXPECT_EQ(answer["land"]["horizon_h"], 72.0);
  // The report lines in the JSON are the text's, land included.
  EXPECT_NE(answer["report"].dump().find("meets land at +2.9 h"), std::string::npos);
}

TEST(AdviseLand, ShipOnLandIsRefusedByPosition) {
  for (const std::string format : {"text", "json"}) {
    const ProgramRun run =
        run_program({"advise", "--ship", "22.0N,79.5W", "--storm", "21N,77W", "--track", "300",
                     "--speed", "12", "--keep", "150", "--ship-speed", "12", "--format", format});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("the ship's position 22\u00b000.0'N 079\u00b030.0'W is on land"),
              std::string::npos)
        << run.err;
  }
  // E for W puts a ship in the Gulf of Mexico (25N 85W) into India: refused as well.
  const ProgramRun swapped =
      run_program({"advise", "--ship", "25.0N,85.0E", "--storm", "21N,77W", "--track", "300",
                   "--speed", "12", "--keep", "150", "--ship-speed", "12"});
  EXPECT_EQ(swapped.status, 1);
  EXPECT_NE(swapped.err.find("on land"), std::string::npos) << swapped.err;
  // The storm over land is fine.
  const ProgramRun storm_ashore =
      run_program({"advise", "--ship", "25.0N,85.0W", "--storm", "31.0N,85.0W", "--track", "180",
                   "--speed", "12", "--keep", "150", "--ship-speed", "12"});
  EXPECT_EQ(storm_ashore.status, 0) << storm_ashore.err;
}

TEST(AdviseLand, NoLandAndOtherShorelineFiles) {
  const ProgramRun off = run_program(with(kStraits, {"--no-land"}));
  ASSERT_EQ(off.status, 0) << off.err;
  EXPECT_EQ(off.out.find("meets land"), std::string::npos);
  EXPECT_NE(off.out.find("     Land not checked (--no-land).\n"), std::string::npos) << off.out;

  const ProgramRun json_off = run_program(with(kStraits, {"--no-land", "--format", "json"}));
  ASSERT_EQ(json_off.status, 0) << json_off.err;
  const json answer = json::parse(json_off.out);
  EXPECT_EQ(answer["land"]["checked"], "off");
  EXPECT_EQ(answer["advice_a"]["escapes"][0]["land_at_h"], nullptr);
  EXPECT_EQ(answer["advice_a"]["escapes"][0]["land_at"], nullptr);

  const ProgramRun missing = run_program(with(kStraits, {"--land", "/nonexistent/shore.bin"}));
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("/nonexistent/shore.bin"), std::string::npos) << missing.err;

  const ProgramRun not_a_shoreline =
      run_program(with(kStraits, {"--land", HURRICANE_SOURCE_DIR "/README.md"}));
  EXPECT_EQ(not_a_shoreline.status, 1);
  EXPECT_NE(not_a_shoreline.err.find("not a shoreline file"), std::string::npos);

  EXPECT_EQ(run_program(with(kStraits, {"--land", "x", "--no-land"})).status, 2);
  EXPECT_EQ(run_program(with(kStraits, {"--land", ""})).status, 2);
}

TEST(AdviseLand, WithoutThePositionNothingIsChecked) {
  const ProgramRun run =
      run_program({"advise", "--distance", "300", "--bearing", "90", "--track", "270", "--speed",
                   "8", "--keep", "100", "--ship-speed", "12", "--format", "json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json answer = json::parse(run.out);
  EXPECT_EQ(answer["land"]["checked"], "no_position");
  EXPECT_EQ(answer["report"].dump().find("Land"), std::string::npos);
}

}  // namespace
}  // namespace hurricane::cli_test
