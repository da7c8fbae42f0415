// `advise --advisory FILE --chart FILE [--night]`: the chart of the forecast beside the same
// answer as without it; what it needs and what it cannot draw are refused with one line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/advisory_runs.h"
#include "cli/run_program.h"

namespace hurricane::cli_test {
namespace {

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> lee(std::vector<std::string> more) {
  std::vector<std::string> arguments = {
      "advise",       "--advisory", advisory_path("tcm-al132023-30.txt"), "--ship", "27N,60W",
      "--ship-speed", "14"};
  arguments.insert(arguments.end(), more.begin(), more.end());
  return arguments;
}

TEST(AdviseChart, DrawsTheForecastAndKeepsTheAnswer) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "hurricane-chart";
  std::filesystem::create_directories(dir);
  const ProgramRun plain = run_program(lee({}));
  for (const bool night : {false, true}) {
    const std::filesystem::path file = dir / (night ? "night.svg" : "day.svg");
    std::vector<std::string> more = {"--chart", file.string()};
    if (night) more.push_back("--night");
    const ProgramRun drawn = run_program(lee(more));
    ASSERT_EQ(drawn.status, 0) << drawn.err;
    EXPECT_EQ(drawn.out, plain.out);
    const std::string svg = read_file(file);
    EXPECT_NE(svg.find(night ? "data-palette=\"night\"" : "data-palette=\"day\""),
              std::string::npos);
    EXPECT_NE(svg.find("class=\"forecast-point\" data-time=\"2023-09-12T21:00:00Z\""),
              std::string::npos);
    EXPECT_NE(svg.find("class=\"ship-track\""), std::string::npos);
    EXPECT_NE(svg.find("class=\"land\""), std::string::npos);
    EXPECT_NE(svg.find("HURRICANE LEE (AL132023 advisory 30)"), std::string::npos);
  }
  // With the picture too, each goes to its own file.
  const ProgramRun both = run_program(
      lee({"--svg", (dir / "board.svg").string(), "--chart", (dir / "both.svg").string()}));
  ASSERT_EQ(both.status, 0) << both.err;
  EXPECT_NE(read_file(dir / "board.svg").find("class=\"storm\""), std::string::npos);
  EXPECT_NE(read_file(dir / "both.svg").find("class=\"forecast-point\""), std::string::npos);

  // The chart draws the land the escapes were held against: none with --no-land, and it says so.
  const ProgramRun seaward = run_program(lee({"--no-land", "--chart", (dir / "sea.svg").string()}));
  ASSERT_EQ(seaward.status, 0) << seaward.err;
  const std::string sea = read_file(dir / "sea.svg");
  EXPECT_EQ(sea.find("class=\"land\""), std::string::npos);
  EXPECT_NE(sea.find("Shoreline not available."), std::string::npos);
}

TEST(AdviseChart, RefusedWithOneLine) {
  const ProgramRun six =
      run_program({"advise", "--distance", "300", "--bearing", "90", "--track", "270", "--speed",
                   "10", "--keep", "150", "--ship-speed", "12", "--chart", "/tmp/c.svg"});
  EXPECT_EQ(six.status, 2);
  EXPECT_EQ(six.err, "hurricane-escape: --chart needs --advisory\n");
  EXPECT_EQ(run_program(lee({"--chart", ""})).status, 2);

  const ProgramRun blocked = run_program(lee({"--chart", "/nonexistent-dir/c.svg"}));
  EXPECT_EQ(blocked.status, 1);
  EXPECT_EQ(blocked.out, "");
  EXPECT_EQ(blocked.err,
            "hurricane-escape: cannot write /nonexistent-dir/c.svg: No such file or directory\n");

  // A best track alone has no forecast to chart.
  const ProgramRun best =
      run_program({"advise", "--advisory", advisory_path("bal132023-at-adv30.dat"), "--ship",
                   "27N,60W", "--ship-speed", "14", "--chart", "/tmp/c.svg"});
  EXPECT_EQ(best.status, 1);
  EXPECT_EQ(best.out, "");
  EXPECT_EQ(best.err,
            "hurricane-escape: --chart: the input holds no forecast points (a best track has "
            "none)\n");
  // The chart draws advice [F], so it needs it.
  const ProgramRun without = run_program(lee({"--no-forecast", "--chart", "/tmp/c.svg"}));
  EXPECT_EQ(without.status, 2);
  EXPECT_EQ(without.err, "hurricane-escape: --chart draws the forecast: drop --no-forecast\n");
}

// The classic course on the chart is the one advice [F] was compared with: [B]'s course when
// [A] names no escape, as the text and JSON say.
TEST(AdviseChart, ClassicCourseIsTheOneForecastAdviceComparedWith) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "hurricane-chart-classic.svg";
  const ProgramRun run =
      run_program({"advise", "--advisory", advisory_path("tcm-al132023-30.txt"), "--ship",
                   "27N,66W", "--ship-speed", "3", "--format", "json", "--chart", file.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json answer = nlohmann::json::parse(run.out);
  ASSERT_TRUE(answer["forecast"]["classic_course_deg"].is_number());
  const int course = answer["forecast"]["classic_course_deg"].get<int>();
  EXPECT_NE(read_file(file).find("class=\"classic-escape\" data-course=\"" +
                                 std::to_string(course) + '"'),
            std::string::npos);
}

}  // namespace
}  // namespace hurricane::cli_test
