// Written routes read back the same: through our own reader, and GPX through gpsbabel too.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "route/read_route.h"
#include "route/write_route.h"

namespace hurricane::route {
namespace {

constexpr double kHundredthMinute = 0.01 / 60.0;  // degrees

// Routes anywhere on earth, with names that need escaping and some times unknown.
Route random_route(std::mt19937& random) {
  std::uniform_real_distribution<double> lat(-90.0, 90.0), lon(-180.0, 180.0);
  std::uniform_int_distribution<int> count(2, 25), hours(0, 24 * 365 * 30), coin(0, 1);
  const std::string names[] = {"A & B", "<quay>", "\"buoy\" 'x'", "Cañón ñ", "", "Dock 7/B"};
  Route route{"route:" + names[random() % 6], {}};
  const int points = count(random);
  for (int i = 0; i < points; ++i) {
    Waypoint waypoint{names[random() % 6] + std::to_string(i), {lat(random), lon(random)}, {}};
    if (coin(random)) {
      waypoint.time = *navigation::civil_time(2000, 1, 1, 0, 0) + std::chrono::hours(hours(random));
    }
    route.waypoints.push_back(waypoint);
  }
  route.waypoints.front().position = {-90.0, 180.0};  // the extremes write and read too
  return route;
}

void expect_same(const Route& read, const Route& written, const std::string& text) {
  ASSERT_EQ(read.waypoints.size(), written.waypoints.size()) << text;
  EXPECT_EQ(read.name, written.name);
  for (std::size_t i = 0; i < read.waypoints.size(); ++i) {
    const Waypoint& a = read.waypoints[i];
    const Waypoint& b = written.waypoints[i];
    EXPECT_EQ(a.name, b.name);
    EXPECT_NEAR(a.position.lat, b.position.lat, kHundredthMinute);
    EXPECT_NEAR(a.position.lon, b.position.lon, kHundredthMinute);
    EXPECT_EQ(a.time, b.time);
  }
}

TEST(WriteRoute, GpxAndRtzReadBackTheSameWaypoints) {
  std::mt19937 random(20260912);
  for (int trial = 0; trial < 200; ++trial) {
    const Route route = random_route(random);
    for (const std::string& text : {gpx_text(route), rtz_text(route)}) {
      const Result<Route> read = read_route(text, "written");
      ASSERT_TRUE(read.ok()) << read.error().line << ": " << read.error().problem;
      expect_same(read.value(), route, text);
    }
  }
}

std::string run_gpsbabel(const std::string& gpx) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("hurricane-route-" + std::to_string(::getpid()) + ".gpx");
  std::ofstream(path) << gpx;
  // Routes need -r; TZ=UTC because unicsv writes times in the local zone.
  const std::string command = std::string("TZ=UTC '") + HURRICANE_GPSBABEL + "' -r -i gpx -f '" +
                              path.string() + "' -o unicsv -F -";
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
      out.append(buffer, got);
    }
    EXPECT_EQ(pclose(pipe), 0) << command;
  }
  std::filesystem::remove(path);
  return out;
}

// Another program's reading of our GPX: gpsbabel's unicsv gives No,Latitude,Longitude,Name,
// Date,Time a point a line.
TEST(WriteRoute, GpsbabelReadsTheGpxWeWrite) {
  ASSERT_TRUE(std::filesystem::exists(HURRICANE_GPSBABEL))
      << "gpsbabel is needed (Debian gpsbabel; scripts/setup tests installs it)";
  const Route route{"Miami - Nassau",
                    {{"GOVT CUT", {25.765, -80.13}, navigation::civil_time(2026, 9, 12, 6, 0)},
                     {"A & B, \"C\"", {25.8333333, -79.25}, std::nullopt},
                     {"NASSAU", {25.095, -77.355}, navigation::civil_time(2026, 9, 13, 0, 30)}}};
  std::istringstream lines(run_gpsbabel(gpx_text(route)));
  std::string line;
  // unicsv ends its lines with CRLF.
  auto next = [&] {
    const bool got = static_cast<bool>(std::getline(lines, line));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return got;
  };
  next();
  EXPECT_EQ(line, "No,Latitude,Longitude,Name,Date,Time");
  const std::string expected[] = {
      R"(1,25.765000,-80.130000,"GOVT CUT",2026/09/12,06:00:00)",
      R"(2,25.833333,-79.250000,"A & B, ""C""",,)",
      R"(3,25.095000,-77.355000,"NASSAU",2026/09/13,00:30:00)",
  };
  for (const std::string& want : expected) {
    ASSERT_TRUE(next());
    EXPECT_EQ(line, want);
  }
  EXPECT_FALSE(next()) << line;
}

}  // namespace
}  // namespace hurricane::route
