// `advisory FILE` through the real executable: what each sample holds, in text and JSON.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/advisory_runs.h"
#include "cli/schema_check.h"

namespace hurricane::cli_test {
namespace {

// The "advisory" member against $defs/advisory of the advice schema.
void expect_advisory_schema(const json& advisory) {
  const json& schema = schema_file("advice.schema.json");
  std::vector<std::string> problems;
  check_schema(advisory, schema.at("$defs").at("advisory"), schema, "$.advisory", problems);
  for (const std::string& problem : problems) ADD_FAILURE() << problem;
}

TEST(AdvisoryCommand, LeeInFullAsText) {
  const ProgramRun run = run_program({"advisory", advisory_path("tcm-al132023-30.txt")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const std::string head = block_from(run.out, "   form");
  EXPECT_EQ(head,
            "   form         forecast/advisory text\n"
            "   storm        HURRICANE LEE, AL132023\n"
            "   advisory     number 30, issued 2023-09-12T21:00:00Z\n"
            "   centre name  NWS NATIONAL HURRICANE CENTER MIAMI FL\n"
            "   issued by    THE NWS WEATHER PREDICTION CENTER COLLEGE PARK MD\n"
            "   centre       24\u00b042.0'N 066\u00b024.0'W at 2023-09-12T21:00:00Z, within 20 nm\n"
            "   movement     315 deg at 6 kn\n"
            "   previous fix 24\u00b030.0'N 066\u00b012.0'W at 2023-09-12T18:00:00Z\n"
            "   max wind     100 kt, gusts 120 kt\n"
            "   pressure     946 mb\n"
            "   next due     advisory at 13/0300Z\n"
            "   keep         210 nm 34-kt radius (NE) + 20 nm position accuracy = 230 nm\n");
  EXPECT_EQ(block_from(run.out, " Radii"),
            " Radii, nm       NE   SE   SW   NW\n"
            "   64 kt        110  100   60   70\n"
            "   50 kt        150  130   90  120\n"
            "   34 kt        210  200  150  170\n"
            "   12 ft seas   390  300  360  390\n");
  EXPECT_NE(run.out.find("   13/0600Z  25\u00b024.0'N 067\u00b000.0'W 100   120 220/210/150/170\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("   Outlook   centre              wind gusts 34-kt radii     stage\n"
                         "   16/1800Z  42\u00b048.0'N 066\u00b030.0'W  65    80 -\n"
                         "   17/1800Z  47\u00b006.0'N 064\u00b030.0'W  40    50 -               "
                         "POST-TROP/EXTRATROP\n"),
            std::string::npos)
      << run.out;
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) {
    if (line.find(advisory_path("")) == std::string::npos) {
      std::size_t characters = 0;  // a degree sign is two bytes but one character
      for (const char c : line) characters += (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
      EXPECT_LT(characters, 80u) << line;
    }
  }
}

TEST(AdvisoryCommand, JsonOfEachForm) {
  struct Case {
    std::vector<std::string> arguments;
    std::string id;
    double lon;
    std::size_t points;
  };
  const Case cases[] = {
      {{"advisory", advisory_path("tcm-ep072024-27.txt")}, "EP072024", -131.4, 8},
      {{"advisory", advisory_path("tcm-cp012024-42.txt")}, "CP012024", 179.3, 7},
      {{"advisory", advisory_path("rss-atlantic-al132023-30.xml"), "--storm-id", "AL132023"},
       "AL132023",
       -66.4,
       8},
      {{"advisory", advisory_path("bal132023-at-adv30.dat")}, "AL132023", -66.2, 0},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.end(), {"--format", "json"});
    const ProgramRun run = run_program(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    const json answer = json::parse(run.out);
    EXPECT_EQ(answer["version"], "1.1.0");
    const json& advisory = answer["advisory"];
    expect_advisory_schema(advisory);
    EXPECT_EQ(advisory["storm_id"], c.id);
    EXPECT_EQ(advisory["centre"]["lon"], c.lon) << c.id;
    EXPECT_EQ(advisory["forecast"].size(), c.points) << c.id;
  }
  // The outlook point of Hone that dissipates still has its position; the keep from 34-kt
  // radii of 200 NE and an accuracy of 60 nm.
  const json hone = json::parse(
      run_program({"advisory", advisory_path("tcm-cp012024-42.txt"), "--format", "json"}).out);
  EXPECT_EQ(hone["advisory"]["forecast"][6],
            json::parse(R"({"time":"2024-09-05T18:00:00Z","outlook":true,"lat":33.2,)"
                        R"("lon":176.1,"max_wind_kt":20,"gusts_kt":30,"stage":"DISSIPATED",)"
                        R"("radii_nm":{"34":null,"50":null,"64":null}})"));
  EXPECT_EQ(hone["advisory"]["keep_source"],
            "200 nm 34-kt radius (NE) + 60 nm position accuracy = 260 nm");
}

TEST(AdvisoryCommand, DepressionFromStandardInput) {
  const std::string depression = kDepression;
  const ProgramRun run = run_program({"advisory", "-"}, &depression);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find(" Read from <stdin>:\n"), std::string::npos);
  EXPECT_NE(run.out.find("   keep         no 34-kt winds, as in a depression: give the distance to "
                         "keep\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find(" Radii, nm       NE   SE   SW   NW\n   none given\n"), std::string::npos);
  EXPECT_NE(run.out.find("   01/0600Z  14\u00b030.0'N 046\u00b042.0'W  35    45 40/0/0/30\n"),
            std::string::npos)
      << run.out;
}

}  // namespace
}  // namespace hurricane::cli_test
