// `advise --format json` through the real executable: it parses, keeps to
// docs/advice.schema.json and says what the text says.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/run_program.h"
#include "cli/schema_check.h"

namespace hurricane::cli_test {
namespace {

const json& schema() {
  return schema_file("advice.schema.json");
}

json advise_json(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "advise");
  arguments.insert(arguments.end(), {"--format", "json"});
  const ProgramRun run = run_program(arguments);
  EXPECT_EQ(run.status, 0) << run.err;
  return json::parse(run.out);
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// Situations that reach every case of the JSON: the defaults; moving away with staying
// possible (from a ship at New York's airport, so without land); the inner area in the south;
// positions and fixes moved by --at; a ship faster than the storm; a storm at rest on top of the
// ship.
const std::vector<std::vector<std::string>> kSituations = {
    {"--distance", "1000", "--bearing", "275", "--track", "91", "--speed", "11", "--keep", "150",
     "--ship-speed", "7"},
    {"--ship", "40.6N,73.8W", "--storm", "51.6N,0.5W", "--track", "91", "--speed", "11", "--keep",
     "150", "--ship-speed", "7", "--no-land"},
    {"--south", "--distance", "30", "--bearing", "0", "--track", "180", "--speed", "10", "--keep",
     "50", "--ship-speed", "12"},
    {"--ship", "24.7N,66.4W", "--storm-fix", "2023-09-12T12:00Z,20.1N,60.2W", "--storm-fix",
     "2023-09-12T18:00Z,20.9N,61.0W", "--at", "2023-09-13T00:00Z", "--keep", "150", "--ship-speed",
     "12"},
    {"--distance", "300", "--bearing", "90", "--track", "270", "--speed", "8", "--keep", "100",
     "--ship-speed", "20"},
    {"--ship", "10N,40W", "--storm", "10.1N,40W", "--track", "0", "--speed", "0", "--keep", "50",
     "--ship-speed", "0"},
};

TEST(AdviseJson, KeepsToTheSchemaAndAgreesWithTheText) {
  for (const std::vector<std::string>& situation : kSituations) {
    const json answer = advise_json(situation);
    for (const std::string& problem : schema_problems(answer, schema())) ADD_FAILURE() << problem;
    const ProgramRun text = run_program([&] {
      std::vector<std::string> arguments = situation;
      arguments.insert(arguments.begin(), "advise");
      return arguments;
    }());
    // The report lines, then the notes, are the text's lines after "==> Result:", byte for byte,
    // where the text wraps one past 79 characters, its next line goes on with two blanks.
    const std::vector<std::string> lines = lines_of(text.out);
    auto result = std::find(lines.begin(), lines.end(), "          ==> Result:");
    ASSERT_NE(result, lines.end());
    json shown = answer["report"];
    for (const json& note : answer["notes"]) shown.push_back(note);
    std::vector<std::string> joined;
    for (auto line = result + 1; line != lines.end(); ++line) {
      const bool continued = !joined.empty() && joined.back().size() > 60 && line->size() > 2 &&
                             line->starts_with("  ") && (*line)[2] != ' ';
      if (continued) {
        joined.back() += " " + line->substr(2);
      } else {
        joined.push_back(*line);
      }
    }
    EXPECT_EQ(shown, json(joined));
    EXPECT_EQ(answer.contains("derived"), situation[0] == "--ship");
    EXPECT_EQ(answer["version"], "1.1.0");
    // What the text states, the keys state too.
    const std::string& out = text.out;
    EXPECT_EQ(answer["dangerous_quarter"].get<bool>(),
              out.find("DANGEROUS QUARTER") != std::string::npos);
    EXPECT_EQ(answer["advice_a"]["moving_away"].get<bool>(),
              out.find("moves away from ship") != std::string::npos);
    EXPECT_EQ(answer["advice_b"]["time_to_go_h"].is_null(),
              out.find("time-to-go") == std::string::npos);
    // A course to steer exactly when the text gives one: no course is null, never north. A
    // ship that cannot move has none, whatever the classic lines name.
    if (answer["advice_b"]["ship_cannot_move"] == true) {
      EXPECT_TRUE(answer["advice_b"]["course_deg"].is_null());
      EXPECT_TRUE(answer["advice_b"]["suggested_course"].is_null());
      EXPECT_NE(out.find(" [B] The ship cannot move"), std::string::npos);
    } else {
      EXPECT_EQ(answer["advice_b"]["course_deg"].is_null(),
                out.find("take the course") == std::string::npos);
      EXPECT_EQ(answer["advice_b"]["suggested_course"].is_null(),
                !answer["advice_b"]["course_deg"].is_null());
    }
    EXPECT_EQ(answer["schema_version"], 6);
    const std::string area = answer["area"];
    EXPECT_NE(out.find(area == "distant"    ? "still DISTANT"
                       : area == "internal" ? "INTERNAL"
                                            : "EXTERNAL"),
              std::string::npos)
        << out;
  }
}

TEST(AdviseJson, DefaultsInFullAndUnrounded) {
  const json answer = advise_json(kSituations[0]);
  EXPECT_EQ(answer["hemisphere"], "north");
  EXPECT_EQ(answer["situation"],
            json::parse(R"({"distance_nm":1000.0,"bearing_deg":275.0,"track_deg":91.0,)"
                        R"("speed_kn":11.0,"keep_nm":150.0,"ship_speed_kn":7.0,)"
                        R"("uncertainty_kn":5.5})"));
  EXPECT_EQ(answer["advice_a"]["ranges"], json::parse(R"([{"first":153,"last":200}])"));
  EXPECT_EQ(answer["advice_a"]["escapes"][0]["course"], 176);
  EXPECT_NEAR(answer["advice_a"]["escapes"][0]["min_speed_kn"].get<double>(), 6.4, 0.05);
  EXPECT_EQ(answer["advice_b"]["case"], "cpa_ahead");
  EXPECT_NEAR(answer["advice_b"]["max_cpa_nm"].get<double>(), 688.6, 0.05);
  EXPECT_NEAR(answer["advice_b"]["course_deg"].get<double>(), 141.5, 0.05);
  // 3 d 13 h 27 m 22 s
  EXPECT_NEAR(answer["advice_b"]["time_to_go_h"].get<double>(), 85.0 + 27.0 / 60 + 22.0 / 3600,
              1.0 / 3600);
  EXPECT_EQ(answer["advice_b"]["suggested_course"], nullptr);
  EXPECT_EQ(answer["area"], "distant");
}

// The published licence-exam cases for the largest CPA (bearing and distance of the storm,
// its track and speed, own speed), worked exactly; the published plotted answers, 77 and
// 63 nm, are the board-drawn approximations of the first two.
TEST(AdviseJson, LicenceExamLargestCpaCases) {
  struct Case {
    const char *bearing, *distance, *track, *speed, *ship_speed;
    double course, cpa, hours;
  };
  for (const Case& c : {Case{"120", "110", "285", "25", "12", 346.3, 75.98, 3.63},
                        Case{"080", "100", "265", "22", "12", 208.1, 61.64, 4.27},
                        Case{"120", "100", "265", "25", "13", 323.7, 91.59, 1.88}}) {
    const json answer =
        advise_json({"--distance", c.distance, "--bearing", c.bearing, "--track", c.track,
                     "--speed", c.speed, "--keep", "50", "--ship-speed", c.ship_speed});
    const json& b = answer["advice_b"];
    ASSERT_EQ(b["case"], "cpa_ahead") << c.bearing;
    EXPECT_NEAR(b["course_deg"].get<double>(), c.course, 0.05) << c.bearing;
    EXPECT_NEAR(b["max_cpa_nm"].get<double>(), c.cpa, 0.005) << c.bearing;
    EXPECT_NEAR(b["time_to_go_h"].get<double>(), c.hours, 0.005) << c.bearing;
  }
}

TEST(AdviseJson, GeodesicExampleAndTheDerivedRecord) {
  const json answer = advise_json(kSituations[1]);
  // GeographicLib's published example: 5551759.4 m, initial azimuth 51.198883.
  EXPECT_NEAR(answer["situation"]["distance_nm"].get<double>() * 1852.0, 5551759.4, 0.05);
  EXPECT_NEAR(answer["situation"]["bearing_deg"].get<double>(), 51.198883, 1e-6);
  const json& derived = answer["derived"];
  EXPECT_EQ(derived["method"], "geodesic-wgs84");
  EXPECT_EQ(derived["ship"], json::parse(R"({"lat":40.6,"lon":-73.8})"));
  EXPECT_EQ(derived["storm"], json::parse(R"({"lat":51.6,"lon":-0.5})"));
  EXPECT_EQ(derived["time"], nullptr);
  EXPECT_EQ(derived["distance_from"], "positions");
  EXPECT_EQ(derived["motion_from"], "given");
  EXPECT_EQ(answer["land"]["checked"], "off");
}

TEST(AdviseJson, FixesAcrossTheDatelineAndASouthernShip) {
  const json answer = advise_json(
      {"--ship", "15S,178E", "--storm-fix", "2023-02-01T00:00Z,12S,179.8W", "--storm-fix",
       "2023-02-01T06:00:00+00:00,12S,179.3E", "--keep", "100", "--ship-speed", "10"});
  // 0.9 degrees of longitude westward in 6 h at 12S: about 8.8 kn, not 359.1 degrees' worth.
  EXPECT_NEAR(answer["situation"]["speed_kn"].get<double>(), 0.9 * 60 * 0.978 / 6, 0.05);
  EXPECT_NEAR(answer["situation"]["track_deg"].get<double>(), 270.0, 0.2);
  EXPECT_EQ(answer["hemisphere"], "south");  // from the ship's latitude
  const json& derived = answer["derived"];
  EXPECT_EQ(derived["motion_from"], "fixes");
  EXPECT_EQ(derived["time"], "2023-02-01T06:00:00Z");
  EXPECT_EQ(derived["fixes"][1]["lon"], 179.3);
  EXPECT_EQ(derived["storm"]["lon"], 179.3);
  for (const std::string& problem : schema_problems(answer, schema())) ADD_FAILURE() << problem;
  // --north overrides the ship's latitude.
  EXPECT_EQ(advise_json({"--north", "--ship", "15S,178E", "--storm", "12S,179.3E", "--track", "270",
                         "--speed", "8", "--keep", "100", "--ship-speed", "10"})["hemisphere"],
            "north");
}

TEST(SchemaCheck, CatchesWhatTheSchemaForbids) {
  json answer = advise_json(kSituations[0]);
  ASSERT_TRUE(schema_problems(answer, schema()).empty());
  json missing = answer;
  missing["advice_b"].erase("case");
  EXPECT_EQ(schema_problems(missing, schema()).size(), 1u);
  json wrong = answer;
  wrong["area"] = "nearby";
  wrong["advice_a"]["ranges"][0]["first"] = 361;
  wrong["situation"]["keep_nm"] = "150";
  wrong["extra"] = 1;
  EXPECT_EQ(schema_problems(wrong, schema()).size(), 4u);
}

}  // namespace
}  // namespace hurricane::cli_test
