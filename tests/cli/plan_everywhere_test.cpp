// One plan on every screen: for ships in both hemispheres, by a coast and at sea, the text's
// plan block, the JSON's plan, the board, the chart and the GPX route all state the same plan.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include <nlohmann/json.hpp>

#include "cli/advisory_runs.h"
#include "route/iso_time.h"
#include "route/read_route.h"

namespace hurricane::cli_test {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

std::string file_text(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Every match of `pattern` in `text`, its groups.
std::vector<std::smatch> matches(const std::string& text, const std::string& pattern) {
  const std::regex re(pattern);
  std::vector<std::smatch> all;
  for (auto m = std::sregex_iterator(text.begin(), text.end(), re); m != std::sregex_iterator();
       ++m) {
    all.push_back(*m);
  }
  return all;
}

struct Case {
  std::string advisory, ship, to;
};

TEST(PlanEverywhere, TextJsonBoardChartAndRouteStateOnePlan) {
  const std::string south =
      HURRICANE_SOURCE_DIR "/tests/chart/data/sh062023-khanun-mirrored-nr017.txt";
  const std::vector<Case> cases = {
      {advisory_path("tcm-al132023-30.txt"), "20.5N,69.0W", "25.5N,77.5W"},  // legs past islands
      {advisory_path("tcm-al132023-30.txt"), "24.2N,81.0W", "25.8N,79.9W"},  // round the Keys
      {advisory_path("tcm-ep072024-27.txt"), "14N,115W", "20N,110W"},
      {south, "18.0S,163.0E", "12S,160E"},
      {south, "20.5S,169.5E", "26S,160E"},  // no plan keeps clear
  };
  const fs::path dir = fs::temp_directory_path() / "plan-everywhere";
  fs::create_directories(dir);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.advisory + " " + c.ship);
    const std::vector<std::string> base = {"advise", "--advisory", c.advisory,     "--ship", c.ship,
                                           "--to",   c.to,         "--ship-speed", "14"};
    const ProgramRun text = run_program(base);
    ASSERT_EQ(text.status, 0) << text.err;
    std::vector<std::string> more = base;
    more.insert(more.end(), {"--format", "json", "--svg", (dir / "board.svg").string(), "--chart",
                             (dir / "chart.svg").string(), "--gpx", (dir / "plan.gpx").string()});
    const ProgramRun run = run_program(more);
    ASSERT_EQ(run.status, 0) << run.err;
    const json plan = json::parse(run.out)["plan"];
    const json& track = plan["track"];
    ASSERT_GE(track.size(), 2u);

    // The text leads with the plan's lines, as the JSON gives them.
    std::string lines;
    for (const json& line : plan["report"]) lines += line.get<std::string>() + "\n";
    EXPECT_EQ(unwrapped(text.out).substr(0, lines.size()), lines);

    // The board steers what the plan steers now.
    const std::string board = file_text(dir / "board.svg");
    const auto steer =
        matches(board, "class=\"plan\" data-course=\"([0-9]+)\" data-speed-kn=\"([0-9.]+)\"");
    ASSERT_EQ(steer.size(), 1u);
    EXPECT_EQ(std::stoi(steer[0][1]), track[0]["course_deg"].get<int>());
    EXPECT_EQ(std::stod(steer[0][2]), track[0]["speed_kn"].get<double>());

    // The chart labels every turn short of the horizon's end where the plan turns.
    const std::string chart = file_text(dir / "chart.svg");
    const auto turns =
        matches(chart,
                "class=\"plan-turn\" data-resume=\"(true|false)\" data-time=\"([^\"]+)\" "
                "data-lat=\"([-0-9.e]+)\" data-lon=\"([-0-9.e]+)\" data-course=\"([0-9]+)\"");
    ASSERT_EQ(turns.size() + 1, track.size());
    for (std::size_t i = 0; i < turns.size(); ++i) {
      EXPECT_EQ(turns[i][2], track[i]["time"].get<std::string>());
      EXPECT_NEAR(std::stod(turns[i][3]), track[i]["position"]["lat"].get<double>(), 1e-9);
      EXPECT_NEAR(std::stod(turns[i][4]), track[i]["position"]["lon"].get<double>(), 1e-9);
      EXPECT_EQ(std::stoi(turns[i][5]), track[i]["course_deg"].get<int>());
    }

    // The route for the bridge is the same track.
    const auto route = route::read_route(file_text(dir / "plan.gpx"), "plan.gpx");
    ASSERT_TRUE(route.ok());
    ASSERT_EQ(route.value().waypoints.size(), track.size());
    for (std::size_t i = 0; i < track.size(); ++i) {
      EXPECT_EQ(route.value().waypoints[i].time,
                route::parse_iso_time(track[i]["time"].get<std::string>()));
    }
  }
}

}  // namespace
}  // namespace hurricane::cli_test
