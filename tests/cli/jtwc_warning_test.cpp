// JTWC warnings through the real executable: `advisory` in text and JSON, and `advise
// --advisory` taking the warning's position, past movement and 34-kt radii; a hand-made
// southern warning for the hemisphere the advice uses.
#include <gtest/gtest.h>

#include <fstream>

#include "advisory/jtwc_samples.h"
#include "cli/advisory_runs.h"
#include "cli/schema_check.h"

namespace hurricane::cli_test {
namespace {

constexpr const char* kKhanun = "wp062023-khanun-nr017.txt";

const json& schema() {
  return schema_file("advice.schema.json");
}

json json_of(std::vector<std::string> arguments, const std::string* input = nullptr) {
  arguments.insert(arguments.end(), {"--format", "json"});
  const ProgramRun run = run_program(arguments, input);
  EXPECT_EQ(run.status, 0) << run.err;
  const json answer = json::parse(run.out);
  std::vector<std::string> problems;
  if (answer.contains("situation")) {
    problems = schema_problems(answer, schema());
  } else {
    check_schema(answer.at("advisory"), schema().at("$defs").at("advisory"), schema(), "$.advisory",
                 problems);
  }
  for (const std::string& problem : problems) ADD_FAILURE() << problem;
  return answer;
}

TEST(JtwcWarning, AdvisoryAsText) {
  const ProgramRun run = run_program({"advisory", advisory_path(kKhanun)});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(
      block_from(run.out, "   form"),
      "   form         JTWC tropical cyclone warning\n"
      "   storm        TYPHOON KHANUN, WP062023\n"
      "   advisory     warning 17, issued 2023-07-31T09:00:00Z\n"
      "   centre name  JOINT TYPHOON WRNCEN PEARL HARBOR HI\n"
      "   centre       22\u00b048.0'N 131\u00b036.0'E at 2023-07-31T06:00:00Z, within 20 nm\n"
      "   movement     335 deg at 9 kn (the past 6 h, used as present)\n"
      "   max wind     115 kt (1-minute average), gusts 140 kt\n"
      "   pressure     937 mb\n"
      "   waves        highest 48 ft\n"
      "   issue posit  23\u00b006.0'N 131\u00b012.0'E at 2023-07-31T09:00:00Z, for information\n"
      "   next warning 31/1500Z, 31/2100Z, 01/0300Z, 01/0900Z\n"
      "   keep         250 nm 34-kt radius (NE) + 20 nm position accuracy = 270 nm\n");
  EXPECT_NE(run.out.find("   Outlook   centre              wind gusts 34-kt radii     stage\n"
                         "   02/0600Z  25\u00b054.0'N 126\u00b030.0'E 115   140 220/200/160/200\n"),
            std::string::npos)
      << run.out;
}

TEST(JtwcWarning, AdvisoryAsJson) {
  const json advisory = json_of({"advisory", advisory_path(kKhanun)})["advisory"];
  EXPECT_EQ(advisory["storm_id"], "WP062023");
  EXPECT_EQ(advisory["number"], 17);
  EXPECT_EQ(advisory["max_wind_kt"], 115);
  EXPECT_EQ(advisory["movement"], json::parse(R"({"track_deg":335.0,"speed_kn":9.0})"));
  EXPECT_EQ(advisory["radii_nm"]["34"], json::parse(R"({"ne":250,"se":230,"sw":135,"nw":220})"));
  EXPECT_EQ(advisory["forecast"].size(), 7u);
  EXPECT_EQ(advisory["forecast"][1]["time"], "2023-08-01T06:00:00Z");
  const json& warning = advisory["jtwc_warning"];
  EXPECT_EQ(warning["wind_average_min"], 1);
  EXPECT_EQ(warning["final"], false);
  EXPECT_EQ(warning["next_warnings"][3], "2023-08-01T09:00:00Z");
  EXPECT_EQ(advisory["text_warnings"], json::array());
  // The other forms carry no warning details.
  EXPECT_TRUE(
      json_of({"advisory", advisory_path("tcm-al132023-30.txt")})["advisory"]["jtwc_warning"]
          .is_null());
}

// The classic advice from the warning: its position, past movement and largest 34-kt radius
// widened by the position accuracy.
TEST(JtwcWarning, AdviseTakesTheWarning) {
  const json answer = json_of(
      {"advise", "--advisory", advisory_path(kKhanun), "--ship", "25N,134E", "--ship-speed", "12"});
  EXPECT_EQ(answer["hemisphere"], "north");
  const json& situation = answer["situation"];
  EXPECT_EQ(situation["track_deg"], 335.0);
  EXPECT_EQ(situation["speed_kn"], 9.0);
  EXPECT_EQ(situation["keep_nm"], 270.0);
  EXPECT_EQ(answer["derived"]["storm"], json::parse(R"({"lat":22.8,"lon":131.6})"));
  EXPECT_EQ(answer["derived"]["time"], "2023-07-31T06:00:00Z");
}

// Hand-made southern warning: the storm south of the equator, the ship too; the advice is for
// the southern hemisphere, and a VECTOR TO line the positions do not give is shown.
TEST(JtwcWarning, SouthernWarningThroughAdvise) {
  const std::string south(advisory::kHandMadeSouthern);
  const std::vector<std::string> arguments = {"advise",  "--advisory",   "-", "--ship",
                                              "17S,78E", "--ship-speed", "12"};
  const json answer = json_of(arguments, &south);
  EXPECT_EQ(answer["hemisphere"], "south");
  EXPECT_EQ(answer["derived"]["storm"], json::parse(R"({"lat":-15.5,"lon":75.2})"));
  EXPECT_EQ(answer["situation"]["track_deg"], 225.0);
  EXPECT_EQ(answer["situation"]["keep_nm"], 150.0);  // 120 nm SW + 30 nm accuracy
  EXPECT_EQ(answer["advisory"]["storm_id"], "SH052024");

  const std::string off = with(south, "220 DEG/ 06 KTS", "200 DEG/ 06 KTS");
  const ProgramRun run = run_program(arguments, &off);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("   warning      line 33: VECTOR TO 24 HR POSIT states 200 deg at 6 kn, "
                         "but the\n"
                         "                positions give 220.4 deg at 5.9 kn (rhumb line); the "
                         "positions\n"
                         "                are used\n"),
            std::string::npos)
      << run.out;
  const json warned = json_of(arguments, &off)["advisory"]["text_warnings"];
  ASSERT_EQ(warned.size(), 1u);
  EXPECT_EQ(warned[0]["line"], 33);
  // Inside the storm's area, the southern rule of seamanship: wind from port.
  const ProgramRun inside =
      run_program({"advise", "--advisory", "-", "--ship", "16S,76E", "--ship-speed", "12"}, &south);
  EXPECT_NE(inside.out.find(" ===> Ship now within INTERNAL AREA of IMPACT !!! of hurricane,\n"
                            "     keep wind from port and hope!\n"),
            std::string::npos)
      << inside.out;
}

// A refused warning is named by file and line, for both commands.
TEST(JtwcWarning, RefusalNamesTheLine) {
  const std::string alert = with(std::string(advisory::kHandMadeSouthern),
                                 "SUBJ/TROPICAL CYCLONE 05S (TEST) WARNING NR 009//",
                                 "SUBJ/TROPICAL CYCLONE FORMATION ALERT//");
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"advisory", "-"},
        std::vector<std::string>{"advise", "--advisory", "-", "--ship", "17S,78E", "--ship-speed",
                                 "12"}}) {
    const ProgramRun run = run_program(arguments, &alert);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("<stdin>:3: this is a tropical cyclone formation alert, not a warning"),
              std::string::npos)
        << run.err;
  }
}

}  // namespace
}  // namespace hurricane::cli_test
