// The files `advise` exports for the bridge, through the real executable: the escape plan as
// GPX and RTZ routes and the forecast's areas with the plan as GeoJSON, each read back to the
// plan the JSON answer states.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

#include "cli/advisory_runs.h"
#include "route/iso_time.h"
#include "route/read_route.h"

namespace hurricane::cli_test {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
constexpr double kHundredthMinute = 0.01 / 60.0;  // degrees

std::string file_text(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Lee's advisory 30, a ship off Hispaniola bound for Nassau: a plan with legs and a resume.
std::vector<std::string> lee_plan(std::vector<std::string> more) {
  std::vector<std::string> arguments = {
      "advise", "--advisory",  advisory_path("tcm-al132023-30.txt"),
      "--ship", "20.5N,69.0W", "--ship-speed",
      "14",     "--to",        "25.5N,77.5W"};
  arguments.insert(arguments.end(), more.begin(), more.end());
  return arguments;
}

void expect_route_is_track(const route::Route& read, const json& track, const std::string& what) {
  ASSERT_EQ(read.waypoints.size(), track.size()) << what;
  for (std::size_t i = 0; i < track.size(); ++i) {
    const route::Waypoint& point = read.waypoints[i];
    EXPECT_NEAR(point.position.lat, track[i]["position"]["lat"].get<double>(), kHundredthMinute);
    EXPECT_NEAR(point.position.lon, track[i]["position"]["lon"].get<double>(), kHundredthMinute);
    EXPECT_EQ(point.time, route::parse_iso_time(track[i]["time"].get<std::string>())) << what;
    // Names a bridge's equipment shows whole: short, plain ASCII capitals.
    EXPECT_TRUE(std::regex_match(point.name, std::regex("[A-Z0-9 ]{1,12}"))) << point.name;
  }
  EXPECT_EQ(read.waypoints.front().name, "START");
  EXPECT_TRUE(std::regex_match(read.waypoints.back().name, std::regex("END [0-9]+H")));
}

// gpsbabel's reading of a GPX route: a waypoint a line, "No,Latitude,Longitude,Name,Date,Time".
std::vector<std::vector<std::string>> gpsbabel_rows(const fs::path& gpx) {
  const std::string command = std::string("TZ=UTC '") + HURRICANE_GPSBABEL + "' -r -i gpx -f '" +
                              gpx.string() + "' -o unicsv -F -";
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
      out.append(buffer, got);
    }
    EXPECT_EQ(pclose(pipe), 0) << command;
  }
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> cells;
    std::istringstream fields(line);
    for (std::string cell; std::getline(fields, cell, ',');) cells.push_back(cell);
    rows.push_back(cells);
  }
  return rows;
}

TEST(AdviseExport, RoutesAndGeojsonHoldThePlanTheAnswerStates) {
  const fs::path dir = fs::temp_directory_path() / ("hurricane-export-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const ProgramRun run = run_program(
      lee_plan({"--gpx", (dir / "plan.gpx").string(), "--rtz", (dir / "plan.rtz").string(),
                "--geojson", (dir / "areas.geojson").string(), "--chart",
                (dir / "chart.svg").string(), "--format", "json"}));
  ASSERT_EQ(run.status, 0) << run.err;
  const json plan = json::parse(run.out)["plan"];
  const json& track = plan["track"];
  ASSERT_GE(track.size(), 3u) << "a plan with legs turns at least once";
  // The track joins the legs: each leg starts at a turn, at its time and place.
  for (const json& leg : plan["legs"]) {
    const auto turn = std::find_if(track.begin(), track.end(),
                                   [&](const json& t) { return t["time"] == leg["start"]; });
    ASSERT_NE(turn, track.end()) << leg.dump();
    EXPECT_EQ((*turn)["position"], leg["from"]);
  }
  EXPECT_EQ(track.back()["time"], plan["until"]);
  EXPECT_EQ(track.back()["speed_kn"], 0.0);

  for (const char* name : {"plan.gpx", "plan.rtz"}) {
    const Result<route::Route> read = route::read_route(file_text(dir / name), name);
    ASSERT_TRUE(read.ok()) << name << ": " << read.error().problem;
    expect_route_is_track(read.value(), track, name);
  }
  EXPECT_EQ(file_text(dir / "plan.gpx").find("extensions"), std::string::npos);

  ASSERT_TRUE(fs::exists(HURRICANE_GPSBABEL)) << "gpsbabel is needed (Debian gpsbabel)";
  const auto rows = gpsbabel_rows(dir / "plan.gpx");
  const route::Route names = route::read_route(file_text(dir / "plan.gpx"), "").value();
  ASSERT_EQ(rows.size(), track.size() + 1);
  for (std::size_t i = 0; i < track.size(); ++i) {
    const auto& row = rows[i + 1];
    ASSERT_EQ(row.size(), 6u);
    EXPECT_EQ(row[3], '"' + names.waypoints[i].name + '"');
    EXPECT_NEAR(std::stod(row[1]), track[i]["position"]["lat"].get<double>(), kHundredthMinute);
    EXPECT_NEAR(std::stod(row[2]), track[i]["position"]["lon"].get<double>(), kHundredthMinute);
    // "2023-09-12T21:00:00Z" as unicsv's date and time columns.
    std::string time = track[i]["time"].get<std::string>();
    std::replace(time.begin(), time.end(), '-', '/');
    EXPECT_EQ(row[4] + "T" + row[5] + "Z", time);
  }

  const json geojson = json::parse(file_text(dir / "areas.geojson"));
  EXPECT_EQ(geojson["type"], "FeatureCollection");
  std::size_t danger = 0, turns = 0, lines = 0;
  std::multiset<std::string> wind, charted;
  for (const json& feature : geojson["features"]) {
    const json& properties = feature["properties"];
    const json& geometry = feature["geometry"];
    const std::string kind = properties["kind"];
    if (kind == "danger" || kind == "wind") {
      EXPECT_EQ(properties["storm"], "AL132023");
      EXPECT_TRUE(route::parse_iso_time(properties["time"].get<std::string>()));
      const json& ring = geometry["coordinates"][0];
      EXPECT_EQ(ring.front(), ring.back()) << "a closed ring";
      double area2 = 0.0;  // the shoelace sum: positive counterclockwise
      for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
        area2 += ring[i][0].get<double>() * ring[i + 1][1].get<double>() -
                 ring[i + 1][0].get<double>() * ring[i][1].get<double>();
      }
      EXPECT_GE(area2, 0.0) << "exterior rings run counterclockwise";
    }
    if (kind == "danger") ++danger;
    if (kind == "wind")
      wind.insert(properties["kt"].dump() + " " + properties["time"].get<std::string>());
    if (kind == "turn") {
      EXPECT_EQ(geometry["coordinates"][1], track[turns]["position"]["lat"]);
      EXPECT_EQ(properties["course_deg"], track[turns]["course_deg"]);
      EXPECT_EQ(properties["time"], track[turns++]["time"]);
    }
    if (kind == "plan") {
      ++lines;
      ASSERT_EQ(geometry["type"], "LineString");
      ASSERT_EQ(geometry["coordinates"].size(), track.size());
      for (std::size_t i = 0; i < track.size(); ++i) {
        EXPECT_EQ(geometry["coordinates"][i][0], track[i]["position"]["lon"]);
        EXPECT_EQ(geometry["coordinates"][i][1], track[i]["position"]["lat"]);
        EXPECT_EQ(properties["times"][i], track[i]["time"]);
      }
    }
  }
  EXPECT_EQ(lines, 1u);
  EXPECT_EQ(turns, track.size());
  // The same areas as the chart draws: one danger outline per swath path, and the wind areas at
  // the same thresholds and times.
  const std::string svg = file_text(dir / "chart.svg");
  const std::string swath = svg.substr(svg.find("class=\"swath\""));
  std::size_t paths = 0;
  for (std::size_t at = swath.find("<path"); at < swath.find("</g>");
       at = swath.find("<path", at + 1)) {
    ++paths;
  }
  EXPECT_EQ(2 * danger, paths) << "the chart strokes then fills each";
  const std::regex area("class=\"wind-area\" data-kt=\"([0-9]+)\" data-time=\"([^\"]+)\"");
  for (std::sregex_iterator it(svg.begin(), svg.end(), area), end; it != end; ++it) {
    charted.insert((*it)[1].str() + " " + (*it)[2].str());
  }
  EXPECT_FALSE(wind.empty());
  EXPECT_EQ(wind, charted);
  fs::remove_all(dir);
}

// Hone crossing 180 degrees with the ship east of it: every position in the ship's frame, so no
// ring or line jumps round the world (read per point into [-180, 180] they would).
TEST(AdviseExport, GeojsonAcross180DegreesStaysWhole) {
  const fs::path file = fs::temp_directory_path() / ("hurricane-hone-" + std::to_string(getpid()));
  const ProgramRun run = run_program(
      advise_on("tcm-cp012024-42.txt", {"--no-land", "--geojson", file.string()}, "25N,178W"));
  ASSERT_EQ(run.status, 0) << run.err;
  std::size_t past_180 = 0;
  const json geojson = json::parse(file_text(file));
  for (const json& feature : geojson["features"]) {
    const json& geometry = feature["geometry"];
    const json points = geometry["type"] == "Polygon"      ? geometry["coordinates"][0]
                        : geometry["type"] == "LineString" ? geometry["coordinates"]
                                                           : json::array({geometry["coordinates"]});
    for (std::size_t i = 0; i < points.size(); ++i) {
      const double lon = points[i][0].get<double>();
      EXPECT_LE(std::fabs(lon - -178.0), 180.0) << feature["properties"].dump();
      if (i > 0) {
        EXPECT_LT(std::fabs(lon - points[i - 1][0].get<double>()), 10.0);
      }
      past_180 += lon < -180.0;
    }
  }
  EXPECT_GT(past_180, 0u) << "the storm lies west of 180 degrees";
  fs::remove(file);
}

TEST(AdviseExport, WithoutAPlanNothingIsWritten) {
  const fs::path gpx =
      fs::temp_directory_path() / ("hurricane-noplan-" + std::to_string(getpid()) + ".gpx");
  // Usage: the route is the plan, made along the forecast from the ship's position.
  const ProgramRun no_ship = run_program(
      {"advise", "--advisory", advisory_path("tcm-al132023-30.txt"), "--gpx", gpx.string()});
  EXPECT_EQ(no_ship.status, 2);
  EXPECT_EQ(no_ship.err, "hurricane-escape: --gpx needs --ship\n");
  const ProgramRun no_advisory =
      run_program({"advise", "--distance", "200", "--bearing", "90", "--track", "270", "--speed",
                   "10", "--keep", "150", "--ship-speed", "12", "--rtz", gpx.string()});
  EXPECT_EQ(no_advisory.status, 2);
  EXPECT_EQ(no_advisory.err, "hurricane-escape: --rtz needs --advisory\n");
  EXPECT_EQ(run_program(lee_plan({"--no-forecast", "--geojson", gpx.string()})).status, 2);
  // Data: a best track holds no forecast; a forecast ended before the advice time judges none.
  const ProgramRun best = run_program(
      {"advise", "--advisory", advisory_path("bal132023-at-adv30.dat"), "--ship", "27N,60W",
       "--ship-speed", "14", "--gpx", gpx.string(), "--geojson", gpx.string() + ".geojson"});
  EXPECT_EQ(best.status, 1);
  EXPECT_EQ(best.out, "");
  EXPECT_NE(best.err.find("--gpx: no escape plan to write: "), std::string::npos) << best.err;
  const std::string ended = kForecastOf12Hours;

  const ProgramRun none =
      run_program({"advise", "--advisory", "-", "--ship", "27N,62W", "--ship-speed", "12", "--at",
                   "2023-09-13T12:00Z", "--no-land", "--rtz", gpx.string()},
                  &ended);
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("hurricane-escape: --rtz: no escape plan to write: no storm is "
                          "forecast within the horizon\n"),
            std::string::npos)
      << none.err;
  EXPECT_FALSE(fs::exists(gpx));
  EXPECT_FALSE(fs::exists(gpx.string() + ".geojson"));
}

}  // namespace
}  // namespace hurricane::cli_test
