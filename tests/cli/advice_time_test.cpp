// The advice time through the real executable: refused too early or too old, STALE in between,
// the judged window and the bridge's times in [F], the next advisory due, the 80-column text.
#include <gtest/gtest.h>

#include <cctype>

#include <chrono>
#include <cstdio>
#include <sstream>

#include "cli/advisory_runs.h"
#include "cli/schema_check.h"

namespace hurricane::cli_test {
namespace {

constexpr const char* kLee = "tcm-al132023-30.txt";  // analysis 12/2100Z, next advisory 13/0300Z

// The lines of `text` longer than 79 characters (a UTF-8 character counts once).
std::vector<std::string> too_wide(const std::string& text) {
  std::vector<std::string> wide;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::size_t characters = 0;
    for (const char c : line) characters += (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
    if (characters > 79) wide.push_back(line);
  }
  return wide;
}

// An hour the text gives ("21.1 h") and the time beside it ("13/1806Z"), empty when none.
struct HourMention {
  std::string hours;
  std::string time;
};

// Every "D.D h" of `line` (digits, a point and one digit, then " h" and no letter), and the
// "(DD/HHMMZ)" that follows it. Scanned by hand: std::regex draws false warnings from GCC 12
// in the sanitizer build.
std::vector<HourMention> hour_mentions(const std::string& line) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  std::vector<HourMention> mentions;
  for (std::size_t at = line.find(" h"); at != std::string::npos; at = line.find(" h", at + 1)) {
    if (at + 2 < line.size() && std::isalpha(static_cast<unsigned char>(line[at + 2]))) continue;
    if (at < 3 || !digit(line[at - 1]) || line[at - 2] != '.' || !digit(line[at - 3])) continue;
    std::size_t begin = at - 3;
    while (begin > 0 && digit(line[begin - 1])) --begin;
    HourMention mention{line.substr(begin, at - begin), ""};
    const std::string beside = line.substr(at + 2, 11);
    if (beside.size() == 11 && beside.starts_with(" (") && beside[4] == '/' &&
        beside.ends_with("Z)")) {
      mention.time = beside.substr(2, 8);
    }
    mentions.push_back(mention);
  }
  return mentions;
}

json json_of(const ProgramRun& run) {
  EXPECT_EQ(run.status, 0) << run.err;
  return json::parse(run.out);
}

// The judged window: --at more than 6 h before the analysis was judged only from the track's
// start, telling a ship 24 nm from the centre it had 84 nm of clearance; now refused.
TEST(AdviceTime, TooEarlyIsRefusedNamingTheAnalysis) {
  const ProgramRun early =
      run_program(advise_on(kLee, {"--at", "2023-09-12T14:59Z"}, "24.5N,66.0W"));
  EXPECT_EQ(early.status, 1);
  EXPECT_NE(early.err.find("--at \"2023-09-12T14:59Z\""), std::string::npos) << early.err;
  EXPECT_NE(early.err.find("analysis time 2023-09-12T21:00:00Z"), std::string::npos) << early.err;
  EXPECT_EQ(early.out, "");
  // The window judged is stated in text and JSON: from --at over the horizon.
  const std::vector<std::string> at = advise_on(kLee, {"--at", "2023-09-12T15:00Z"});
  const json answer =
      json_of(run_program(advise_on(kLee, {"--at", "13/0000Z", "--format", "json"})));
  EXPECT_EQ(answer["forecast"]["judged_from"], "2023-09-13T00:00:00Z");
  EXPECT_EQ(answer["forecast"]["judged_until"], "2023-09-16T00:00:00Z");
  const ProgramRun text = run_program(at);
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("judged from 12/1500Z to 15/1500Z"), std::string::npos) << text.out;
}

// Stale advisories: "now" two years on moved the storm 19,040 h in a straight line and answered
// with status 0; an analysis more than 48 h old is refused, more than 12 h old is STALE first.
TEST(AdviceTime, StaleAndRefusedAdvisories) {
  const ProgramRun now = run_program(advise_on(kLee, {"--at", "now"}));
  EXPECT_EQ(now.status, 1);
  EXPECT_NE(now.err.find("h old at the advice time"), std::string::npos) << now.err;
  EXPECT_NE(now.err.find("get the latest advisory"), std::string::npos) << now.err;
  EXPECT_EQ(now.out, "");

  const ProgramRun stale = run_program(advise_on(kLee, {"--at", "13/1200Z"}));
  EXPECT_EQ(stale.status, 0) << stale.err;
  EXPECT_TRUE(
      stale.out.starts_with("STALE: the advisory's analysis time 2023-09-12T21:00:00Z is "
                            "15.0 h old"))
      << stale.out;
  const json answer =
      json_of(run_program(advise_on(kLee, {"--at", "13/1200Z", "--format", "json"})));
  EXPECT_TRUE(answer["warnings"][0].get<std::string>().starts_with("STALE")) << answer["warnings"];
  EXPECT_EQ(answer["advisory"]["age_h"], 15.0);
  EXPECT_EQ(answer["advisory"]["stale"], true);
  // Fresh: the default advice time is the analysis.
  const json fresh = json_of(run_program(advise_on(kLee, {"--format", "json"})));
  EXPECT_EQ(fresh["advisory"]["age_h"], 0.0);
  EXPECT_EQ(fresh["advisory"]["stale"], false);
  EXPECT_EQ(fresh["advisory"]["next_advisory"], "2023-09-13T03:00:00Z");
}

// Times as the bridge reads them: every relative hour of [F] with its DD/HHMMZ (worked out here
// from the advice time), the next advisory due, clearance explained once, no line past 79.
TEST(AdviceTime, BridgeTimesAndWidth) {
  for (const auto& arguments :
       {advise_on(kLee, {}), advise_on(kLee, {"--at", "13/0300Z"}, "24.5N,66.0W"),
        advise_on("wp062023-khanun-nr017.txt", {}, "25N,128E")}) {
    const ProgramRun run = run_program(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(too_wide(run.out), std::vector<std::string>{});
    const json answer = json_of(run_program([&] {
      auto with_json = arguments;
      with_json.insert(with_json.end(), {"--format", "json"});
      return with_json;
    }()));
    // The advice time from the JSON, each moment worked out with the calendar.
    const std::string from = answer["forecast"]["judged_from"];
    using namespace std::chrono;
    const time_point<system_clock, minutes> start =
        sys_days{year{std::stoi(from.substr(0, 4))} / std::stoi(from.substr(5, 2)) /
                 std::stoi(from.substr(8, 2))} +
        hours{std::stoi(from.substr(11, 2))} + minutes{std::stoi(from.substr(14, 2))};
    int relative = 0;
    const std::string joined = unwrapped(run.out);
    std::istringstream advice(joined.substr(joined.find("[F]")));
    for (std::string line; std::getline(advice, line);) {
      // The lines that give moments; the model's horizon and a storm's radii hours are lengths.
      if (!line.starts_with("Recommended") && !line.starts_with("No course") &&
          !line.starts_with("Staying put")) {
        continue;
      }
      for (const HourMention& mention : hour_mentions(line)) {
        ++relative;
        ASSERT_FALSE(mention.time.empty())
            << "no time beside " << mention.hours << " h in " << line;
        const time_point<system_clock, minutes> moment =
            start + minutes{std::lround(std::stod(mention.hours) * 60.0)};
        const year_month_day date{floor<days>(moment)};
        const hh_mm_ss clock{moment - floor<days>(moment)};
        char expected[16];
        std::snprintf(expected, sizeof expected, "%02u/%02d%02dZ",
                      static_cast<unsigned>(date.day()), static_cast<int>(clock.hours().count()),
                      static_cast<int>(clock.minutes().count()));
        EXPECT_EQ(mention.time, expected) << line;
      }
    }
    EXPECT_GT(relative, 0) << run.out;
    // Clearance as a distance, or the danger area as what it is made of.
    const std::string explanation = "34-kt winds + forecast error + margin)";
    const std::size_t explained = joined.find(explanation);
    EXPECT_NE(explained, std::string::npos) << joined;
    EXPECT_EQ(joined.find(explanation, explained + 1), std::string::npos);
    // Right after [F]'s first "clearance", or "danger area" when no course keeps clear (the
    // plan before it has its own lines).
    const std::size_t block = joined.find("Along the official forecast [F]");
    const std::size_t first =
        std::min(joined.find("clearance", block), joined.find("danger area", block));
    EXPECT_GT(explained, first) << joined;
    EXPECT_LT(explained - first, 40u) << joined;
  }
  for (const char* name : {kLee, "wp062023-khanun-nr017.txt", "aal982023-ofcl.dat"}) {
    EXPECT_EQ(too_wide(run_program({"advisory", advisory_path(name)}).out),
              std::vector<std::string>{});
  }
  EXPECT_NE(run_program(advise_on(kLee, {})).out.find("   next due     advisory at 13/0300Z\n"),
            std::string::npos);
}

// Every help and the hindcast's table fit a bridge terminal too (the hindcast's table was 91
// columns wide, the top-level help 86).
TEST(AdviceTime, EveryHelpAndTheHindcastFitTheWidth) {
  for (const char* command : {"advise", "advisory", "serve", "hindcast", "fleet"}) {
    EXPECT_EQ(too_wide(run_program({command, "--help"}).out), std::vector<std::string>{})
        << command;
  }
  EXPECT_EQ(too_wide(run_program({"--help"}).out), std::vector<std::string>{});
  const std::string data = HURRICANE_SOURCE_DIR "/tests/hindcast/data/";
  const ProgramRun hindcast =
      run_program({"hindcast", "--advisories", data + "22.132003.index-at.xml",
                   data + "23.132003.index-at.xml", "--best-track", data + "54.bal132003.dat",
                   "--rings", "60,250", "--bearings", "3", "--hours", "24"});
  ASSERT_EQ(hindcast.status, 0) << hindcast.err;
  EXPECT_NE(hindcast.out.find("policy            escaped   escapable        nm    escapable  "
                              "progress  aground\nplan               100.0%      100.0%"),
            std::string::npos)
      << hindcast.out;
  EXPECT_EQ(too_wide(hindcast.out), std::vector<std::string>{});
}

// `advise --help` names the forms that work; each one named is read.
TEST(AdviceTime, HelpNamesTheFormsThatWork) {
  const ProgramRun help = run_program({"advise", "--help"});
  for (const char* form : {"2430N 08630W", "24 42.0N", "now", "071800Z", "07/1800Z"}) {
    EXPECT_NE(help.out.find(form), std::string::npos) << form;
  }
  for (const char* ship : {"2700N 07000W", "27 00.0N 070 00.0W", "27-00.0N,070-00.0W"}) {
    EXPECT_EQ(run_program(advise_on(kLee, {}, ship)).status, 0) << ship;
  }
  for (const char* at : {"130000Z", "13/0000Z"}) {
    EXPECT_EQ(run_program(advise_on(kLee, {"--at", at})).status, 0) << at;
  }
}

}  // namespace
}  // namespace hurricane::cli_test
