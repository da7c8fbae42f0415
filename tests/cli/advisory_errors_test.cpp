// Every error of `advise --advisory` and `advisory FILE` through the real executable: the
// status, one diagnostic line naming the option or the file (and line), nothing on standard
// output.
#include <gtest/gtest.h>

#include "cli/advisory_runs.h"

namespace hurricane::cli_test {
namespace {

struct Case {
  std::vector<std::string> arguments;
  int status;
  std::string err;         // the whole of standard error, without "hurricane-escape: " and "\n"
  std::string input = {};  // standard input, for "-"
};

void expect_errors(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    const ProgramRun run = run_program(c.arguments, c.input.empty() ? nullptr : &c.input);
    std::string command;
    for (const std::string& word : c.arguments) command += " " + word;
    EXPECT_EQ(run.status, c.status) << command;
    EXPECT_EQ(run.out, "") << command;
    EXPECT_EQ(run.err, "hurricane-escape: " + c.err + "\n") << command;
  }
}

const std::string kLee = "tcm-al132023-30.txt";

TEST(AdvisoryErrors, UsageOfTheOptions) {
  const std::string conflict = ": the storm comes from --advisory; give one or the other";
  expect_errors({
      {advise_on(kLee, {"--storm", "20N,60W"}), 2, "--storm" + conflict},
      {advise_on(kLee, {"--distance", "100", "--bearing", "90"}), 2, "--distance" + conflict},
      {advise_on(kLee, {"--track", "90", "--speed", "10"}), 2, "--track" + conflict},
      {advise_on(kLee, {"--storm-fix", "2023-09-12T18:00Z,20N,60W", "--storm-fix",
                        "2023-09-12T21:00Z,21N,61W"}),
       2, "--storm-fix" + conflict},
      {advise_on(kLee, {"--keep", "100", "--margin", "20"}), 2,
       "--margin: it widens the distance formed from the advisory; with --keep give the whole "
       "distance"},
      {{"advise", "--ship", "20N,60W", "--storm", "21N,61W", "--track", "90", "--speed", "10",
        "--ship-speed", "12", "--margin", "20"},
       2,
       "--margin needs --advisory"},
      {{"advise", "--distance", "100", "--bearing", "90", "--track", "90", "--speed", "10",
        "--keep", "100", "--ship-speed", "12", "--storm-id", "AL132023"},
       2,
       "--storm-id needs --advisory"},
      {{"advise", "--advisory", advisory_path(kLee), "--ship-speed", "12"},
       2,
       "--ship: the advisory places the storm; give the ship's position"},
      {{"advise", "--advisory", advisory_path(kLee), "--ship", "27N,70W"},
       2,
       "--ship-speed: the ship's speed is needed"},
      // A second advisory is another storm for [F]: one that cannot be read is the error.
      {advise_on(kLee, {"--advisory", "other.txt"}), 1,
       "other.txt: cannot open: No such file or directory"},
      {{"advisory"}, 2, "FILE is required"},
      {{"advisory", advisory_path(kLee), "--format", "xml"}, 2, "--format: xml not in {text,json}"},
  });
}

TEST(AdvisoryErrors, UnusableValues) {
  expect_errors({
      {advise_on(kLee, {"--margin", "-5"}), 1, "--margin \"-5\": must not be negative"},
      {advise_on(kLee, {"--margin", "wide"}), 1, "--margin \"wide\": not a number"},
      {advise_on(kLee, {"--at", "tomorrow"}), 1,
       "--at \"tomorrow\": expected an ISO 8601 UTC time such as 2023-09-12T18:00Z, a date-time "
       "group such as "
       "121800Z or 12/1800Z, or now"},
      {advise_on(kLee, {}, "95N,70W"), 1, "--ship \"95N,70W\": latitude beyond 90 degrees"},
  });
}

TEST(AdvisoryErrors, FilesThatCannotBeRead) {
  const std::string missing = advisory_path("no-such-advisory.txt");
  const std::string too_large =
      ": larger than 4 MiB; an advisory is a few KiB and a track file some hundred";
  const std::string directory = HURRICANE_SOURCE_DIR "/tests";
  for (const bool advise : {true, false}) {
    const auto on = [&](const std::string& file) {
      return advise ? std::vector<std::string>{"advise",  "--advisory",   file, "--ship",
                                               "27N,70W", "--ship-speed", "12"}
                    : std::vector<std::string>{"advisory", file};
    };
    expect_errors({
        {on(missing), 1, missing + ": cannot open: No such file or directory"},
        {on(directory), 1, directory + ": is a directory, not an advisory"},
        // An endless device is cut at the limit rather than read to its end.
        {on("/dev/zero"), 1, "/dev/zero" + too_large},
    });
  }
  // A file of 4 MiB and one byte, through standard input.
  const std::string huge((std::size_t{4} << 20) + 1, ' ');
  expect_errors({{{"advisory", "-"}, 1, "<stdin>" + too_large, huge}});
}

// What the reader refuses is named by file and line, for both commands.
TEST(AdvisoryErrors, ReadingErrorsNameFileAndLine) {
  const std::string lee = advisory_text(kLee);
  const std::string feed = advisory_path("rss-atlantic-al132023-30.xml");
  const std::string from_stdin[] = {"advise",  "--advisory",   "-", "--ship",
                                    "27N,70W", "--ship-speed", "12"};
  const std::vector<std::string> advise_stdin(std::begin(from_stdin), std::end(from_stdin));
  expect_errors({
      {advise_on("rss-atlantic-al132023-30.xml", {}), 1,
       feed + ":209: the feed holds 2 storms (AL132023, AL142023): choose one by its storm id"},
      {advise_on("rss-atlantic-al132023-30.xml", {"--storm-id", "EP012024"}), 1,
       feed + ":209: no storm EP012024 in the feed, which holds AL132023, AL142023"},
      {{"advisory", feed},
       1,
       feed + ":209: the feed holds 2 storms (AL132023, AL142023): choose one by its storm id"},
      {{"advisory", "-"},
       1,
       "<stdin>:1: expected a forecast/advisory (a title line `... FORECAST/ADVISORY NUMBER nn`), "
       "a JTWC warning (`WTPN32 PGTW 310900`), an NHC RSS feed or ATCF records",
       "a note, not an advisory\n"},
      {advise_stdin, 1,
       "<stdin>:15: expected a position such as `24.7N 66.4W` (latitude to 90, longitude to 180, "
       "one decimal) after NEAR",
       with(lee, "NEAR 24.7N  66.4W AT 12/2100Z", "NEAR 94.7N  66.4W AT 12/2100Z")},
      {advise_stdin, 1,
       "<stdin>:18: expected `PRESENT MOVEMENT ... OR ddd DEGREES AT nn KT` (degrees to 360) or "
       "`PRESENT MOVEMENT...STATIONARY`",
       with(lee, "315 DEGREES AT   6 KT", "315 DEGREES AT   SIX KT")},
      // ATCF records of one time without direction and speed: no motion can be formed.
      {advise_stdin, 1,
       "<stdin>: it states no motion of the storm and no earlier position to form one from; give "
       "the storm by --storm, --track and --speed",
       "AL, 13, 2023091218,   , BEST,   0, 245N,  662W, 100,  949, HU,  34, NEQ,  210,  200,  "
       "150,  170\n"},
  });
}

}  // namespace
}  // namespace hurricane::cli_test
