// `advise` through the real executable: the classic block for the six values, and the
// situation worked out from positions, fixes and --at.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/run_program.h"

namespace hurricane::cli_test {
namespace {

std::string file_text(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The first round of a golden transcript from its echo to the verdict: what the classic
// dialogue prints between the attribution check and the restart prompt.
std::string first_round_block(const std::string& name) {
  const std::string golden = file_text(HURRICANE_SOURCE_DIR "/tests/golden/" + name + ".out");
  const std::size_t start = golden.find(" Distance of HUR [nm]=");
  const std::size_t end = golden.find("\n\n      <..hit RETURN to restart>", start);
  EXPECT_NE(end, std::string::npos) << name;
  return golden.substr(start, end + 1 - start);
}

TEST(AdviseText, SixValuesPrintTheClassicRoundByteForByte) {
  const ProgramRun north =
      run_program({"advise", "--distance", "1000", "--bearing", "275", "--track", "91", "--speed",
                   "11", "--keep", "150", "--ship-speed", "7"});
  EXPECT_EQ(north.status, 0);
  EXPECT_EQ(north.err, "");
  // The classic lines byte for byte, then what they leave unsaid: 6.4 of 7 kn is 91%.
  const std::string reserve =
      "     little reserve: course 176 needs 6.4 of the ship's 7.0 kn (91%)\n";
  EXPECT_EQ(north.out, first_round_block("defaults_north") + reserve);
  const ProgramRun south =
      run_program({"advise", "--south", "--distance", "1000", "--bearing", "275", "--track", "91",
                   "--speed", "11", "--keep", "150", "--ship-speed", "7", "--format", "text"});
  EXPECT_EQ(south.out, first_round_block("defaults_south") + reserve);
  // The inner area in the south, its dangerous quarter and the hint for slow ships.
  const ProgramRun inner =
      run_program({"advise", "--south", "--distance=30", "--bearing=0", "--track=180", "--speed=10",
                   "--keep=50", "--ship-speed=12"});
  EXPECT_EQ(inner.out, first_round_block("south_inner_and_quarter"));
}

TEST(AdviseText, PositionsAndFixesAreShownWithWhereTheyCameFrom) {
  const ProgramRun run = run_program(
      {"advise", "--ship", "24.7N,66.4W", "--storm-fix", "2023-09-12T12:00Z,20.1N,60.2W",
       "--storm-fix", "2023-09-12T18:00Z,20.9N,61.0W", "--keep", "150", "--ship-speed", "12"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const std::string expected_head =
      " Derived from positions on the WGS84 ellipsoid:\n"
      "   ship         24\u00b042.0'N 066\u00b024.0'W\n"
      "   HUR centre   20\u00b054.0'N 061\u00b000.0'W at 2023-09-12T18:00:00Z\n"
      "                the later fix\n"
      "   distance       375.8 nm   geodesic from ship to HUR\n"
      "   bearing        126.1 deg  its direction at the ship\n"
      "   track          316.6 deg  from the fixes, at the later one\n"
      "   speed           11.0 kn   from the fixes, 6.0 h apart\n"
      "   fix 1        20\u00b006.0'N 060\u00b012.0'W at 2023-09-12T12:00:00Z\n"
      "   fix 2        20\u00b054.0'N 061\u00b000.0'W at 2023-09-12T18:00:00Z\n"
      "\n"
      " Distance of HUR [nm]= 376.  Direction of HUR seen from ship [deg]= 126.\n";
  // (A sphere of radius 60 nm per degree gives 375.7 nm, 126.3 and 316.7 for these.)
  EXPECT_EQ(run.out.substr(0, expected_head.size()), expected_head);
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) EXPECT_LT(line.size(), 80u) << line;
}

TEST(AdviseText, AtMovesTheStormAndWarnsBeyondTwelveHours) {
  const std::vector<std::string> base = {"advise",
                                         "--ship",
                                         "24.7N,66.4W",
                                         "--storm-fix",
                                         "2023-09-12T12:00Z,20.1N,60.2W",
                                         "--storm-fix",
                                         "2023-09-12T18:00Z,20.9N,61.0W",
                                         "--keep",
                                         "150",
                                         "--ship-speed",
                                         "12"};
  std::vector<std::string> six_hours = base;
  six_hours.insert(six_hours.end(), {"--at", "2023-09-13T00:00Z"});
  const ProgramRun ahead = run_program(six_hours);
  EXPECT_EQ(ahead.status, 0);
  EXPECT_EQ(ahead.err, "");
  EXPECT_NE(
      ahead.out.find(
          "   HUR centre   21\u00b041.8'N 061\u00b048.5'W at 2023-09-13T00:00:00Z\n"
          "                moved 6.0 h along its track from 20\u00b054.0'N 061\u00b000.0'W\n"),
      std::string::npos)
      << ahead.out;
  // 11 kn for 6 h toward the ship: about 66 nm closer than at the fix.
  EXPECT_NE(ahead.out.find("   distance       310.9 nm"), std::string::npos) << ahead.out;

  std::vector<std::string> far = base;
  far.insert(far.end(), {"--at", "2023-09-13T18:00Z"});
  const ProgramRun late = run_program(far);
  EXPECT_EQ(late.status, 0);
  EXPECT_EQ(late.err,
            "hurricane-escape: warning: --at 2023-09-13T18:00:00Z is 24.0 hours after the storm's "
            "time 2023-09-12T18:00:00Z; its track and speed are assumed to hold\n");
  std::vector<std::string> back = base;
  back.insert(back.end(), {"--at", "2023-09-12T17:00Z"});
  EXPECT_NE(run_program(back).err.find("1.0 hours before"), std::string::npos);
}

}  // namespace
}  // namespace hurricane::cli_test
