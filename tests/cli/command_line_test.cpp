// The command line's help, version and every error path, through the real executable: the
// status, one diagnostic line naming the option and the value, and nothing on standard output.
#include <gtest/gtest.h>

#include "cli/run_program.h"

namespace hurricane::cli_test {
namespace {

const std::vector<std::string> kSix = {"--distance", "1000", "--bearing",    "275",
                                       "--track",    "91",   "--speed",      "11",
                                       "--keep",     "150",  "--ship-speed", "7"};

std::vector<std::string> advise_with(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "advise");
  return arguments;
}

std::vector<std::string> six_and(std::vector<std::string> more) {
  std::vector<std::string> arguments = advise_with(kSix);
  arguments.insert(arguments.end(), more.begin(), more.end());
  return arguments;
}

TEST(CommandLine, HelpAndVersion) {
  const ProgramRun version = run_program({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "hurricane-escape 1.1.0\n");
  const ProgramRun help = run_program({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("advise"), std::string::npos);
  EXPECT_NE(help.out.find("Without arguments"), std::string::npos);
  const ProgramRun advise_help = run_program({"advise", "--help"});
  EXPECT_EQ(advise_help.status, 0);
  for (const char* option : {"--distance NM", "--ship POS", "--storm-fix TIME,POS", "--at TIME",
                             "--format", "--south", "Exit status"}) {
    EXPECT_NE(advise_help.out.find(option), std::string::npos) << option;
  }
  for (std::size_t start = 0, end; (end = advise_help.out.find('\n', start)) != std::string::npos;
       start = end + 1) {
    EXPECT_LT(end - start, 80u) << advise_help.out.substr(start, end - start);
  }
}

// A full disk or a closed pipe is a failure said as such, never a silent success.
TEST(Commands, ReportAStandardOutputTheyCannotWrite) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full here";
  const std::string advisory =
      std::string(HURRICANE_SOURCE_DIR) + "/tests/hindcast/data/21.132003.index-at.xml";
  const std::string ship = "{\"id\": \"a\", \"position\": \"26.0N,53.0W\", \"speed\": 14}\n";
  const std::vector<std::vector<std::string>> commands = {
      {"--version"},
      {"advise", "--distance", "1000", "--bearing", "275", "--track", "91", "--speed", "11",
       "--keep", "150", "--ship-speed", "7"},
      {"advisory", advisory},
      {"advisory", advisory, "--format", "json"},
      {"fleet", "--advisory", advisory, "--no-land"}};
  for (const auto& arguments : commands) {
    const ProgramRun run = run_program(arguments, &ship, "/dev/full");
    EXPECT_EQ(run.status, 1) << arguments[0];
    EXPECT_EQ(run.err, "hurricane-escape: cannot write to standard output\n") << arguments[0];
  }
}

TEST(CommandLine, EveryErrorHasItsStatusAndOneLine) {
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string err;  // the whole of standard error, without "hurricane-escape: " and "\n"
  };
  const Case cases[] = {
      // Usage errors: 2.
      {{"advize"},
       2,
       "unknown command \"advize\": expected advise, advisory, serve, hindcast, fleet, watch, "
       "--svg-dir, --help or --version"},
      {six_and({"--colour"}), 2, "The following argument was not expected: --colour"},
      {advise_with({"--distance"}), 2, "--distance: 1 required NM missing"},
      {six_and({"--storm", "20N,60W"}), 2,
       "--storm: give either --ship and --storm or --distance and --bearing"},
      {six_and({"--ship", "20N,60W"}), 2,
       "--ship: give either --ship and --storm or --distance and --bearing"},
      {advise_with({"--track", "91", "--speed", "11", "--keep", "150", "--ship-speed", "7"}), 2,
       "--distance: give --distance and --bearing, or --ship and --storm"},
      {advise_with({"--distance", "1000", "--track", "91", "--speed", "11", "--keep", "150",
                    "--ship-speed", "7"}),
       2, "--bearing: --distance needs --bearing"},
      {six_and({"--distance", "900"}), 2, "--distance: At Most 1 required but received 2"},
      {six_and({"--north", "--south"}), 2, "--north and --south exclude each other"},
      {six_and({"--format", "xml"}), 2, "--format: xml not in {text,json}"},
      {six_and({"--at", "2023-09-12T18:00Z"}), 2,
       "--at: moving the storm needs --ship, not --distance"},
      {six_and({"--storm-fix", "2023-09-12T18:00Z,20N,60W"}), 2,
       "--storm-fix: given once; give it exactly twice, the earlier fix first"},
      {advise_with({"--ship", "20N,60W", "--storm", "21N,61W", "--track", "91", "--speed", "11",
                    "--keep", "150", "--ship-speed", "7", "--at", "2023-09-12T18:00Z"}),
       2, "--at: moving the storm needs its time: give two --storm-fix"},
      // Each command's own options: a usage error of hindcast or fleet says which command.
      {{"hindcast", "--advisories", "a", "--best-track", "b", "--bearings", "0"},
       2,
       "hindcast: --bearings: Value 0 not in range 1 to 360"},
      {{"fleet", "--threads", "2"}, 2, "fleet: --advisory is required"},
      // The tuning of advice [F] is checked alike in both.
      {{"fleet", "--advisory", "a", "--cone-scale", "0"},
       2,
       "fleet: --cone-scale: Value 0 not in range 0.010000 to 10.000000"},
      {{"hindcast", "--advisories", "a", "--best-track", "b", "--horizon", "121"},
       2,
       "hindcast: --horizon: Value 121 not in range 12.000000 to 120.000000"},
      {{"fleet", "--advisory", "a", "--chart", "c.svg"},
       2,
       "fleet: The following arguments were not expected: c.svg --chart"},
      {{"--svg-dir", "d", "fleet", "--advisory", "a"},
       2,
       "--svg-dir and --night before a command are for the dialogue; advise takes --svg FILE "
       "and --night after it"},
      {six_and({"--advisory", "a.txt", "--no-land", "--land", "s.bin"}), 2,
       "--land and --no-land exclude each other"},
      {six_and({"--horizon", "48"}), 2, "--horizon needs --advisory"},
      {six_and({"--chart", "c.svg"}), 2, "--chart needs --advisory"},
      // Unusable values: 1.
      {advise_with({"--ship", "95N,60W", "--storm", "21N,61W"}), 1,
       "--ship \"95N,60W\": latitude beyond 90 degrees"},
      {advise_with({"--ship", "20N,60W", "--storm", "21N;61W"}), 1,
       "--storm \"21N;61W\": unreadable longitude: expected a latitude and a longitude, e.g. "
       "24.7N 66.4W, 24.7,-66.4, 24 42.0N 066 24.0W, 24-42.0N 066-24.0W, 2442.0N 06624.0W or "
       "24\u00b042.0'N 066\u00b024.0'W"},
      {six_and({"--bearing=inf"}), 2, "--bearing: At Most 1 required but received 2"},
      {advise_with({"--distance", "nan"}), 1, "--distance \"nan\": not a number"},
      {advise_with({"--speed", "1e999"}), 1, "--speed \"1e999\": number out of range"},
      {advise_with({"--keep", "150nm"}), 1, "--keep \"150nm\": not a number"},
      {advise_with({"--distance", "-5", "--bearing", "275", "--track", "91", "--speed", "11",
                    "--keep", "150", "--ship-speed", "7"}),
       1, "--distance \"-5\": must not be negative"},
      {advise_with({"--ship", "20N,60W", "--storm-fix", "2023-09-12T18:00Z,20N,60W", "--storm-fix",
                    "2023-09-12T12:00Z,21N,61W", "--keep", "150", "--ship-speed", "7"}),
       1,
       "--storm-fix \"2023-09-12T18:00:00Z then 2023-09-12T12:00:00Z\": the fixes are in the "
       "wrong order: the first must be the earlier"},
      {advise_with({"--ship", "20N,60W", "--storm-fix", "2023-09-12T18:00Z,20N,60W", "--storm-fix",
                    "2023-09-12T18:00Z,21N,61W", "--keep", "150", "--ship-speed", "7"}),
       1,
       "--storm-fix \"2023-09-12T18:00:00Z then 2023-09-12T18:00:00Z\": the two fixes have the "
       "same time"},
      {advise_with({"--ship", "20N,60W", "--storm-fix", "2023-09-31T12:00Z,20N,60W", "--storm-fix",
                    "2023-10-01T12:00Z,20N,60W"}),
       1, "--storm-fix \"2023-09-31T12:00Z,20N,60W\": no such date"},
      {advise_with({"--at", "18:00Z"}), 1,
       "--at \"18:00Z\": expected an ISO 8601 UTC time such as 2023-09-12T18:00Z, a date-time "
       "group such as "
       "121800Z or 12/1800Z, or now"},
      // A value that would upset a terminal is shown tamed.
      {advise_with({"--ship", "2\x1b[2J0N,60W"}), 1,
       "--ship \"2?[2J0N,60W\": unreadable latitude: expected a latitude and a longitude, e.g. "
       "24.7N 66.4W, 24.7,-66.4, 24 42.0N 066 24.0W, 24-42.0N 066-24.0W, 2442.0N 06624.0W or "
       "24\u00b042.0'N 066\u00b024.0'W"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = run_program(c.arguments);
    std::string command;
    for (const std::string& word : c.arguments) command += " " + word;
    EXPECT_EQ(run.status, c.status) << command;
    EXPECT_EQ(run.out, "") << command;
    EXPECT_EQ(run.err, "hurricane-escape: " + c.err + "\n") << command;
  }
}

}  // namespace
}  // namespace hurricane::cli_test
