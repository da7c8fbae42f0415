// `advise --svg FILE` for every input form: the same answer on standard output as without
// it, and a picture that carries the same situation; a picture that cannot be written is an
// unusable value.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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

std::vector<std::string> with(std::vector<std::string> arguments,
                              const std::vector<std::string>& more) {
  arguments.insert(arguments.end(), more.begin(), more.end());
  return arguments;
}

TEST(AdviseSvg, EveryInputFormDrawsItsPictureAndKeepsItsAnswer) {
  const std::vector<std::vector<std::string>> forms = {
      {"advise", "--distance", "1000", "--bearing", "275", "--track", "91", "--speed", "11",
       "--keep", "150", "--ship-speed", "7"},
      {"advise", "--ship", "24.7N,66.4W", "--storm", "20.1N,60.2W", "--track", "300", "--speed",
       "12", "--keep", "150", "--ship-speed", "12"},
      {"advise", "--ship", "24.7N,66.4W", "--storm-fix", "2023-09-12T12:00Z,20.1N,60.2W",
       "--storm-fix", "2023-09-12T18:00Z,20.9N,61.0W", "--keep", "150", "--ship-speed", "12",
       "--format", "json"},
      {"advise", "--advisory", advisory_path("tcm-al132023-30.txt"), "--ship", "27N,70W",
       "--ship-speed", "12"},
  };
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "hurricane-svg";
  std::filesystem::create_directories(dir);
  int k = 0;
  for (const std::vector<std::string>& form : forms) {
    const std::filesystem::path file = dir / ("form-" + std::to_string(++k) + ".svg");
    std::filesystem::remove(file);
    const ProgramRun plain = run_program(form);
    const ProgramRun drawn = run_program(with(form, {"--svg", file.string()}));
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(drawn.status, 0) << drawn.err;
    EXPECT_EQ(drawn.out, plain.out) << "form " << k;
    const std::string svg = read_file(file);
    EXPECT_TRUE(svg.starts_with("<?xml")) << "form " << k;
    EXPECT_NE(svg.find("class=\"storm\""), std::string::npos) << "form " << k;
    EXPECT_NE(svg.find("data-palette=\"day\""), std::string::npos) << "form " << k;
  }
  // The first form's picture holds its situation and its open range.
  const std::string first = read_file(dir / "form-1.svg");
  EXPECT_NE(first.find("data-bearing=\"275\" data-distance=\"1000\""), std::string::npos);
  EXPECT_NE(first.find("data-first=\"153\" data-last=\"200\""), std::string::npos);

  const ProgramRun night =
      run_program(with(forms[0], {"--svg", (dir / "n.svg").string(), "--night"}));
  EXPECT_EQ(night.status, 0);
  EXPECT_NE(read_file(dir / "n.svg").find("data-palette=\"night\""), std::string::npos);
}

TEST(AdviseSvg, PicturesThatCannotBeWrittenOrOptionsOutOfPlace) {
  const std::vector<std::string> six = {"advise",  "--distance",   "1000",    "--bearing", "275",
                                        "--track", "91",           "--speed", "11",        "--keep",
                                        "150",     "--ship-speed", "7"};
  const ProgramRun blocked = run_program(with(six, {"--svg", "/nonexistent-dir/a.svg"}));
  EXPECT_EQ(blocked.status, 1);
  EXPECT_EQ(blocked.out, "");  // no answer without its picture
  EXPECT_EQ(blocked.err,
            "hurricane-escape: cannot write /nonexistent-dir/a.svg: No such file or directory\n");

  EXPECT_EQ(run_program(with(six, {"--night"})).status, 2);    // nothing to draw in red
  EXPECT_EQ(run_program(with(six, {"--svg", ""})).status, 2);  // no file named
  EXPECT_EQ(run_program({"--night"}).status, 2);
  const ProgramRun misplaced = run_program(with({"--svg-dir", "/tmp"}, six));
  EXPECT_EQ(misplaced.status, 2);
  EXPECT_NE(misplaced.err.find("advise takes --svg FILE"), std::string::npos);
  // The directory of the round pictures cannot be made: status 1 before the dialogue starts.
  const ProgramRun no_dir = run_program({"--svg-dir", "/proc/no-such-dir"});
  EXPECT_EQ(no_dir.status, 1);
  EXPECT_EQ(no_dir.out, "");
}

}  // namespace
}  // namespace hurricane::cli_test
