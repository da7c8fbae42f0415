// `advise --route FILE`: advice [F]'s voyage course toward the route's next waypoint, through
// the real executable.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "cli/advisory_runs.h"
#include "navigation/geodesic.h"

namespace hurricane::cli_test {
namespace {

const std::string kRoute = HURRICANE_SOURCE_DIR "/tests/route/data/miami_nassau_rte.gpx";

// The "Recommended (...)" line of [F], as one line.
std::string recommended(const std::string& text) {
  const std::string out = unwrapped(text);
  const std::size_t at = out.find("Recommended (");
  if (at == std::string::npos) return "(none)\n" + out;
  return out.substr(at, out.find('\n', at) - at);
}

// Between GOVT CUT and GULF STREAM, nearer GULF STREAM: heading for NW CHANNEL. The course is
// the great circle's from the ship to it, and [F] recommends as it does for that course given.
TEST(AdviseRoute, VoyageCourseTowardTheNextWaypoint) {
  const std::string ship = "25.8N,79.6W";
  const ProgramRun run =
      run_program(advise_on("tcm-al132023-30.txt", {"--route", kRoute, "--no-land"}, ship));
  ASSERT_EQ(run.status, 0) << run.err;
  const double expected = navigation::inverse({25.8, -79.6}, {25.8167, -78.1}).azimuth_from;
  char course[8];
  std::snprintf(course, sizeof course, "%03ld", std::lround(expected) % 360);
  const std::string line = recommended(run.out);
  EXPECT_NE(line.find("most clearance near the voyage course " + std::string(course) +
                      " (toward waypoint NW CHANNEL of route " + kRoute + "))"),
            std::string::npos)
      << line;
  const ProgramRun given =
      run_program(advise_on("tcm-al132023-30.txt", {"--course", course, "--no-land"}, ship));
  EXPECT_EQ(with(line, " (toward waypoint NW CHANNEL of route " + kRoute + ")", ""),
            recommended(given.out));
}

TEST(AdviseRoute, RefusedRoutesAndOptions) {
  const ProgramRun both = run_program(
      advise_on("tcm-al132023-30.txt", {"--route", kRoute, "--course", "90", "--no-land"}));
  EXPECT_EQ(both.status, 2);
  EXPECT_NE(both.err.find("--route and --course exclude each other"), std::string::npos);
  // A route file that is no route: its name and line, status 1.
  const std::string not_a_route = advisory_path("tcm-al132023-30.txt");
  const ProgramRun bad =
      run_program(advise_on("tcm-al132023-30.txt", {"--route", not_a_route, "--no-land"}));
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find(not_a_route + ":1: not XML"), std::string::npos) << bad.err;
  // At the last waypoint the route gives no course to follow.
  const ProgramRun arrived = run_program(
      advise_on("tcm-al132023-30.txt", {"--route", kRoute, "--no-land"}, "25.095N,77.355W"));
  EXPECT_EQ(arrived.status, 1);
  EXPECT_NE(arrived.err.find("is at the last waypoint (NASSAU HBR) of route"), std::string::npos)
      << arrived.err;
}

}  // namespace
}  // namespace hurricane::cli_test
