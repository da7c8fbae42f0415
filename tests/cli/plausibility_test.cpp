// What no storm or ship can be is refused, naming the input; what is only unlikely is warned
// about and answered. Through the real executable, with the messages exactly as printed.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/advisory_runs.h"
#include "cli/run_program.h"

namespace hurricane::cli_test {
namespace {

using nlohmann::json;

std::vector<std::string> six(const std::string& distance, const std::string& bearing,
                             const std::string& track, const std::string& speed,
                             const std::string& ship_speed) {
  return {"advise",  "--distance", distance, "--bearing", bearing,        "--track", track,
          "--speed", speed,        "--keep", "150",       "--ship-speed", ship_speed};
}

TEST(Plausibility, RefusedWithTheInputNamed) {
  struct Case {
    std::vector<std::string> arguments;
    std::string err;
  };
  const std::vector<Case> cases = {
      {six("100", "450", "120", "12", "10"),
       "--bearing \"450\": a direction must lie in [0, 360) degrees"},
      {six("100", "300", "360", "12", "10"),
       "--track \"360\": a direction must lie in [0, 360) degrees"},
      {six("100", "300", "120", "61", "10"),
       "--speed \"61\": beyond 60 kn: no tropical cyclone moves that fast"},
      {six("100", "300", "120", "12", "1e9"),
       "--ship-speed \"1000000000\": beyond 50 kn: no ship escapes that fast; give the ship's "
       "real top speed"},
      {six("1e308", "300", "120", "12", "10"),
       "--distance \"1e+308\": beyond 999999, the largest value the dialogue "
       "takes"},
      {six("0.5", "300", "120", "12", "10"),
       "--distance \"0.5\": the ship is at the storm's centre (within 1 nm): there is no bearing "
       "to steer away from"},
      // 60 nm in 10 minutes is 360 kn (the hand-typed hour wrong).
      {{"advise", "--ship", "20N,60W", "--storm-fix", "2023-09-12T12:00Z,20N,60W", "--storm-fix",
        "2023-09-12T12:10Z,21N,60W", "--keep", "150", "--ship-speed", "10"},
       "--storm-fix \"2023-09-12T12:00Z,20N,60W then 2023-09-12T12:10Z,21N,60W\": the fixes give "
       "a storm speed of 359 kn, beyond 60 kn: no tropical cyclone moves that fast; check their "
       "times and positions"},
      {{"advise", "--ship", "20N,60W", "--storm", "20.01N,60W", "--track", "0", "--speed", "5",
        "--keep", "150", "--ship-speed", "10"},
       "--ship: the ship is at the storm's centre (within 1 nm): there is no bearing to steer "
       "away from"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = run_program(c.arguments);
    EXPECT_EQ(run.status, 1) << c.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "hurricane-escape: " + c.err + "\n");
  }
}

TEST(Plausibility, WarnedAndAnswered) {
  struct Case {
    std::vector<std::string> arguments;
    std::string warning;
  };
  const std::vector<Case> cases = {
      // E for W: 66.4E puts the ship some 6,700 nm from a storm near 20N 60W.
      {{"advise", "--ship", "24.7N,66.4E", "--storm", "20N,60W", "--track", "300", "--speed", "10",
        "--keep", "150", "--ship-speed", "10"},
       "the storm is 6693.8 nm from the ship, beyond 1500 nm: check the positions (an E for a W?)"},
      // 1 degree of latitude (59.8 nm at 20N on the ellipsoid) in 1.5 h: 39.9 kn.
      {{"advise", "--ship", "24N,60W", "--storm-fix", "2023-09-12T12:00Z,20N,60W", "--storm-fix",
        "2023-09-12T13:30Z,21N,60W", "--keep", "150", "--ship-speed", "10"},
       "the fixes give a storm speed of 39.9 kn, beyond 35 kn: check their times and positions"},
      {{"advise", "--ship", "24N,60W", "--storm-fix", "2023-09-12T00:00Z,20N,60W", "--storm-fix",
        "2023-09-13T06:00Z,21N,60W", "--keep", "150", "--ship-speed", "10"},
       "the fixes are 30.0 h apart, more than 24 h: the storm's motion is an average over that "
       "time"},
      {advise_on("tcm-al132023-30.txt", {"--keep", "150"}),
       "the distance to keep given, 150 nm, is less than the advisory's 34-kt radius plus its "
       "position accuracy, 230 nm"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = run_program(c.arguments);
    EXPECT_EQ(run.status, 0) << c.warning;
    EXPECT_NE(run.out, "");
    EXPECT_EQ(run.err, "hurricane-escape: warning: " + c.warning + "\n");
    std::vector<std::string> as_json = c.arguments;
    as_json.insert(as_json.end(), {"--format", "json"});
    const ProgramRun answer = run_program(as_json);
    EXPECT_EQ(json::parse(answer.out)["warnings"], json::array({c.warning}));
  }
}

// The rotation is the storm's: a storm north of the equator turns as northern storms do even
// with the ship south of it, and the reverse; on the equator its forecast or the ship decides.
TEST(Plausibility, HemisphereFollowsTheStorm) {
  const auto hemisphere = [](const std::string& ship, const std::string& storm) {
    const ProgramRun run =
        run_program({"advise", "--ship", ship, "--storm", storm, "--track", "270", "--speed", "10",
                     "--keep", "100", "--ship-speed", "12", "--format", "json"});
    EXPECT_EQ(run.status, 0) << run.err;
    return std::make_pair(json::parse(run.out)["hemisphere"].get<std::string>(), run.err);
  };
  EXPECT_EQ(hemisphere("1.0S,30W", "4.0N,28W").first, "north");
  EXPECT_EQ(hemisphere("1.0N,150E", "4.0S,152E").first, "south");
  EXPECT_EQ(hemisphere("1.0S,30W", "0.0N,28W"),
            std::make_pair(std::string("south"),
                           std::string("hurricane-escape: warning: the storm's centre is on the "
                                       "equator: the southern hemisphere is taken from the ship's "
                                       "latitude (give the hemisphere to choose)\n")));
  const ProgramRun chosen =
      run_program({"advise", "--north", "--ship", "1.0S,30W", "--storm", "0.0N,28W", "--track",
                   "270", "--speed", "10", "--keep", "100", "--ship-speed", "12"});
  EXPECT_EQ(chosen.err, "");
}

// An escape that needs most of the ship's speed says so after the classic lines; a ship that
// cannot move is told so instead of being given a course.
TEST(Plausibility, SpeedReserveAndAShipThatCannotMove) {
  const ProgramRun tight = run_program(six("1000", "275", "91", "11", "6.5"));
  EXPECT_NE(
      tight.out.find(" ===> Ship still DISTANT to hurricane, escape via [A]\n"
                     "     little reserve: course 176 needs 6.4 of the ship's 6.5 kn (98%)\n"),
      std::string::npos)
      << tight.out;
  std::vector<std::string> ample = six("1000", "275", "91", "11", "12");
  ample.insert(ample.end(), {"--format", "json"});
  const json easy = json::parse(run_program(ample).out);
  ASSERT_FALSE(easy["advice_a"]["escapes"].empty());
  for (const json& escape : easy["advice_a"]["escapes"]) {
    EXPECT_NEAR(escape["speed_needed_fraction"].get<double>(),
                escape["min_speed_kn"].get<double>() / 12.0, 1e-12);
    EXPECT_EQ(escape["little_reserve"], false);
  }
  EXPECT_EQ(easy["notes"], json::array());

  std::vector<std::string> still = six("100", "300", "120", "12", "0");
  const ProgramRun text = run_program(still);
  EXPECT_NE(text.out.find(" [B] The ship cannot move (top speed 0 kn): no course changes the "
                          "CPA, and the\n  course above is no advice.\n"),
            std::string::npos)
      << text.out;
  still.insert(still.end(), {"--format", "json"});
  const json b = json::parse(run_program(still).out)["advice_b"];
  EXPECT_EQ(b["ship_cannot_move"], true);
  EXPECT_EQ(b["course_deg"], nullptr);
  EXPECT_EQ(b["suggested_course"], nullptr);
}

}  // namespace
}  // namespace hurricane::cli_test
