// Through the real executable: the JSON's [F] lines and classic verdict are the text's own, and
// the sides and courses it states agree with the classic text in both hemispheres, so a reader
// of the JSON never words or re-derives them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "cli/advisory_runs.h"
#include "cli/schema_check.h"

namespace hurricane::cli_test {
namespace {

// "23.5N,081.0W" for a position, the longitude brought into [-180, 180).
std::string position(double lat, double lon) {
  lon = std::fmod(std::fmod(lon + 180.0, 360.0) + 360.0, 360.0) - 180.0;
  char text[40];
  std::snprintf(text, sizeof text, "%.1f%c,%.1f%c", std::abs(lat), lat < 0 ? 'S' : 'N',
                std::abs(lon), lon < 0 ? 'W' : 'E');
  return text;
}

json parsed(const ProgramRun& run) {
  EXPECT_EQ(run.status, 0) << run.err;
  return json::parse(run.out);
}

std::string joined(const json& lines) {
  std::string text;
  for (const json& line : lines) text += line.get<std::string>() + "\n";
  return text;
}

TEST(JsonSaysWhatTextSays, ForecastReportIsTheTextsFBlockForEveryKeptAdvisory) {
  struct Product {
    std::string path;
    std::vector<std::string> options;
  };
  const std::string south = HURRICANE_SOURCE_DIR "/tests/chart/data/";
  const std::vector<Product> products = {
      {advisory_path("tcm-al132023-30.txt"), {}},
      {advisory_path("tcm-cp012024-42.txt"), {}},
      {advisory_path("tcm-cp012024-42-no34kt.txt"), {}},
      {advisory_path("tcm-ep072024-27.txt"), {}},
      {advisory_path("wp062023-khanun-nr017.txt"), {}},
      {advisory_path("aal982023-ofcl.dat"), {}},
      {advisory_path("bal132023-at-adv30.dat"), {}},
      {advisory_path("rss-atlantic-al132023-30.xml"), {"--storm-id", "AL132023"}},
      {south + "sh062023-khanun-mirrored-nr017.txt", {}},
  };
  // Ships around the centre, each with its own settings: clear of the storm at speed; slow with
  // a voyage course, a long horizon and the mariner's rule; close in without land; close in
  // without any speed.
  struct Ship {
    double north_deg = 0.0;
    double east_deg = 0.0;
    std::vector<std::string> options;
  };
  const std::vector<Ship> ships = {
      {2.5, 2.5, {"--ship-speed", "14"}},
      {-1.5, -3.0, {"--ship-speed", "5", "--course", "45", "--horizon", "120", "--error", "1-2-3"}},
      {0.4, 0.3, {"--ship-speed", "10", "--no-land"}},
      {0.2, -0.2, {"--ship-speed", "0"}},
  };
  std::set<std::string> parts_seen;
  for (const Product& product : products) {
    std::vector<std::string> read = {"advisory", product.path, "--format", "json"};
    read.insert(read.end(), product.options.begin(), product.options.end());
    const json centre = parsed(run_program(read))["advisory"]["centre"];
    for (const Ship& ship : ships) {
      std::vector<std::string> arguments = {"advise", "--advisory", product.path, "--ship",
                                            position(centre["lat"].get<double>() + ship.north_deg,
                                                     centre["lon"].get<double>() + ship.east_deg)};
      arguments.insert(arguments.end(), product.options.begin(), product.options.end());
      arguments.insert(arguments.end(), ship.options.begin(), ship.options.end());
      const ProgramRun text = run_program(arguments);
      ASSERT_EQ(text.status, 0) << text.err;
      arguments.insert(arguments.end(), {"--format", "json"});
      const json forecast = parsed(run_program(arguments))["forecast"];
      const std::string block = joined(forecast["report"]);
      const std::string shown = unwrapped(text.out);
      // The text ends with the [F] block, wrapped at 80 columns where the JSON is not.
      EXPECT_TRUE(shown.size() >= block.size() &&
                  shown.compare(shown.size() - block.size(), block.size(), block) == 0)
          << arguments[4] << " " << product.path << "\nJSON:\n"
          << block << "\nTEXT:\n"
          << shown;
      ASSERT_EQ(forecast["report_parts"].size(), forecast["report"].size());
      for (const json& part : forecast["report_parts"]) parts_seen.insert(part.get<std::string>());
      // A none_open line is there exactly when a reason is given for it.
      const bool says_none_open =
          std::find(forecast["report_parts"].begin(), forecast["report_parts"].end(),
                    "none_open") != forecast["report_parts"].end();
      EXPECT_EQ(says_none_open, !forecast["none_open_because"].is_null()) << block;
    }
  }
  // The cases reach the parts a reader places differently.
  for (const char* part : {"model", "storm", "open", "none_open", "recommendation", "stay",
                           "cannot_move", "no_forecast"}) {
    EXPECT_TRUE(parts_seen.contains(part)) << part;
  }
}

// Which side of the storm's track, looking along it, the ship is on: from the bearing of the
// storm from the ship and the track, degrees true.
std::string side_of_track(double bearing_deg, double track_deg) {
  const double off = std::fmod(bearing_deg + 180.0 - track_deg + 720.0, 360.0);
  return off < 180.0 ? "right" : "left";
}

TEST(JsonSaysWhatTextSays, VerdictSidesAndCoursesAgreeWithTheClassicTextInBothHemispheres) {
  int quarters = 0, inside = 0;
  for (const bool south : {false, true}) {
    // Bearings off the track's line (a ship on it is on neither side).
    for (int bearing = 15; bearing < 360; bearing += 30) {
      for (const char* distance : {"60", "300"}) {
        std::vector<std::string> arguments = {
            "advise",  "--distance",   distance,  "--bearing", std::to_string(bearing),
            "--track", "90",           "--speed", "12",        "--keep",
            "100",     "--ship-speed", "10",      "--format",  "json"};
        if (south) arguments.push_back("--south");
        const json answer = parsed(run_program(arguments));
        const json& verdict = answer["verdict"];
        EXPECT_EQ(verdict["kind"], answer["area"]);
        EXPECT_EQ(answer["keep_wind_on"], south ? "port" : "starboard");
        EXPECT_EQ(answer["dangerous_side"], south ? "left" : "right");
        // The report ends with the quarter's line when the ship is in it, then the verdict's.
        json tail = verdict["lines"];
        if (!verdict["quarter_line"].is_null()) tail.insert(tail.begin(), verdict["quarter_line"]);
        const json& report = answer["report"];
        ASSERT_GE(report.size(), tail.size());
        EXPECT_EQ(
            json(std::vector<json>(report.end() - static_cast<long>(tail.size()), report.end())),
            tail);
        EXPECT_EQ(answer["dangerous_quarter"].get<bool>(), !verdict["quarter_line"].is_null());
        // An independent look at the sides: a ship in the quarter is on the dangerous side, and
        // the wind the classic text keeps inside the area is on the side the JSON names.
        if (answer["dangerous_quarter"].get<bool>()) {
          ++quarters;
          EXPECT_EQ(side_of_track(bearing, 90.0), answer["dangerous_side"]) << bearing;
        }
        if (verdict["kind"] == "internal") {
          ++inside;
          const std::string said = joined(verdict["lines"]);
          EXPECT_NE(
              said.find(answer["keep_wind_on"] == "port" ? "wind from port" : "wind from starbord"),
              std::string::npos)
              << said;
        }
      }
    }
  }
  EXPECT_GT(quarters, 2);
  EXPECT_GT(inside, 2);
}

// Fault pinned: JSON gave the classic ranges 1..360 beside [F]'s 0..359 in one document; a
// range the text ends at 360 now ends at 0, north, as every course in the document.
TEST(JsonSaysWhatTextSays, ClassicRangeToNorthIsZero) {
  const std::vector<std::string> situation = {
      "advise",  "--distance", "300",    "--bearing", "69",           "--track", "0",
      "--speed", "12",         "--keep", "100",       "--ship-speed", "20"};
  EXPECT_NE(run_program(situation).out.find("72  and  360 degrees"), std::string::npos);
  std::vector<std::string> arguments = situation;
  arguments.insert(arguments.end(), {"--format", "json"});
  const json ranges = parsed(run_program(arguments))["advice_a"]["ranges"];
  EXPECT_EQ(ranges, json::parse(R"([{"first": 72, "last": 0}])"));
}

}  // namespace
}  // namespace hurricane::cli_test
