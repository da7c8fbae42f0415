// Reading routes as plotters and ECDIS export them, and the refusals, each at its line.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "route/read_route.h"

namespace hurricane::route {
namespace {

std::string sample(const std::string& file) {
  std::ifstream in(std::string(ROUTE_DATA_DIR) + "/" + file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// "FILE:LINE: problem", as a route error is shown.
std::string located(const Error& error) {
  return error.value + ":" + std::to_string(error.line) + ": " + error.problem;
}

Route read_sample(const std::string& file) {
  const Result<Route> read = read_route(sample(file), file);
  if (!read.ok()) ADD_FAILURE() << located(read.error());
  return read.ok() ? read.value() : Route{};
}

std::optional<navigation::UtcTime> at(int day, int hour, int minute) {
  return navigation::civil_time(2026, 9, day, hour, minute);
}

TEST(ReadRoute, GpxTakesTheFirstRouteWithNamesAndTimes) {
  const Route route = read_sample("miami_nassau_rte.gpx");
  EXPECT_EQ(route.name, "Miami - Nassau");
  const std::vector<Waypoint> expected = {
      {"GOVT CUT", {25.765, -80.13}, at(12, 6, 0)},
      {"GULF STREAM", {25.8333, -79.25}, at(12, 10, 0)},  // fraction of a second dropped
      {"NW CHANNEL", {25.8167, -78.1}, at(12, 14, 30)},   // -03:00 taken off
      {"NASSAU HBR", {25.095, -77.355}, std::nullopt},
  };
  EXPECT_EQ(route.waypoints, expected);
}

TEST(ReadRoute, GpxTrackAcrossSegmentsWhenThereIsNoRoute) {
  const Route route = read_sample("keys_track.gpx");
  EXPECT_EQ(route.name, "Key West run");
  ASSERT_EQ(route.waypoints.size(), 3u);
  EXPECT_EQ(route.waypoints[2], (Waypoint{"WP3", {24.65, -81.0}, at(11, 17, 0)}));
}

TEST(ReadRoute, RtzOneZeroWithoutSchedule) {
  const Route route = read_sample("bahamas_1_0.rtz");
  EXPECT_EQ(route.name, "PEV-FPO 0912");
  const std::vector<Waypoint> expected = {
      {"PORT EVERGLADES", {26.093, -80.088}, std::nullopt},
      {"PE SEA BUOY", {26.09, -80.05}, std::nullopt},
      {"WP3", {26.55, -79.05}, std::nullopt},
      {"FREEPORT", {26.51, -78.77}, std::nullopt},
  };
  EXPECT_EQ(route.waypoints, expected);
}

TEST(ReadRoute, RtzOneOneTakesTheFirstSchedulesCalculatedTimes) {
  const Route route = read_sample("florida_strait_1_1.rtz");
  EXPECT_EQ(route.name, "Florida Strait northbound");
  const std::vector<Waypoint> expected = {
      {"HAVANA APP", {23.2, -82.35}, at(12, 1, 0)},  // etd where there is no eta
      {"CAY SAL", {23.9, -80.6}, at(12, 9, 30)},
      {"FOWEY ROCKS", {25.59, -80.05}, at(12, 17, 15)},
  };
  EXPECT_EQ(route.waypoints, expected);
}

TEST(ReadRoute, UnnamedRouteTakesTheFilesName) {
  const Result<Route> read = read_route(
      "<gpx version=\"1.1\"><rte><rtept lat=\"1\" lon=\"2\"/><rtept lat=\"3\" lon=\"4\"/></rte>"
      "</gpx>",
      "plan.gpx");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.value().name, "plan.gpx");
}

// Each refusal names the file, the line at fault and what is wrong there.
TEST(ReadRoute, RefusesWithFileLineAndReason) {
  const std::string gpx =
      "<?xml version=\"1.0\"?>\n<gpx xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
  const std::string rtz = "<route xmlns=\"http://www.cirm.org/RTZ/1/1\">\n<waypoints>\n";
  const struct {
    std::string bytes;
    std::string expected;
  } cases[] = {
      {"just some text\n", "f:1: not XML"},
      {gpx + "<rte>\n<rtept lat=\"1\" lon=\"2\">\n</rte>\n</gpx>", "f:5: not XML"},
      {"<kml xmlns=\"http://www.opengis.net/kml/2.2\"/>",
       "f:1: neither GPX 1.0/1.1 (gpx) nor RTZ 1.0/1.1 (route): the root is <kml> in namespace "
       "http://www.opengis.net/kml/2.2"},
      {"<gpx xmlns=\"http://example.com/gpx\"/>", "f:1: neither GPX"},
      {gpx + "<wpt lat=\"1\" lon=\"2\"/>\n</gpx>", "f:2: the GPX file holds no route"},
      {gpx + "<rte>\n<rtept lat=\"1\" lon=\"2\"/>\n</rte></gpx>",
       "f:3: rte holds 1 points: a route needs at least 2"},
      {gpx + "<rte>\n<rtept lat=\"1\" lon=\"2\"/>\n<rtept lat=\"91\" lon=\"2\"/></rte></gpx>",
       "f:5: rtept lat \"91\": latitude beyond 90 degrees"},
      {gpx + "<trk><trkseg>\n<trkpt lat=\"1\" lon=\"2\"/>\n<trkpt lat=\"1\" lon=\"1e999\"/>"
             "</trkseg></trk></gpx>",
       "f:5: trkpt lon \"1e999\": not a number of degrees"},
      {gpx + "<rte>\n<rtept lon=\"2\"/>\n</rte></gpx>", "f:4: rtept: no lat attribute"},
      {gpx + "<rte>\n<rtept lat=\"1\" lon=\"2\">\n<time>2026-09-12 06:00</time></rtept>\n</rte>"
             "</gpx>",
       "f:5: time \"2026-09-12 06:00\": expected ISO 8601 UTC"},
      {rtz + "<waypoint id=\"1\"><position lat=\"1\" lon=\"-181\"/></waypoint>\n</waypoints>"
             "</route>",
       "f:3: position lon \"-181\": longitude beyond 180 degrees"},
      {rtz + "<waypoint id=\"1\"><position lat=\"1\" lon=\"1\"/></waypoint>\n</waypoints>"
             "</route>",
       "f:2: waypoints holds 1 waypoints: a route needs at least 2"},
      {rtz + "<waypoint id=\"1\"><position lat=\"1\" lon=\"1\"/></waypoint>\n"
             "<waypoint id=\"2\"><position lat=\"2\" lon=\"1\"/></waypoint>\n</waypoints>\n"
             "<schedules><schedule><calculated>\n<scheduleElement waypointId=\"7\" eta=\"x\"/>"
             "</calculated></schedule></schedules></route>",
       "f:7: scheduleElement waypointId \"7\": no waypoint has that id"},
  };
  for (const auto& c : cases) {
    const Result<Route> read = read_route(c.bytes, "f");
    ASSERT_FALSE(read.ok()) << c.bytes;
    EXPECT_EQ(read.error().field, Field::kRoute);
    const std::string text = located(read.error());
    EXPECT_EQ(text.substr(0, c.expected.size()), c.expected) << c.bytes;
  }
}

// Every cut of every sample (a download broken off) reads or is refused at a line it holds.
TEST(ReadRoute, EveryTruncatedSampleIsReadOrRefusedWithinIt) {
  for (const char* file :
       {"miami_nassau_rte.gpx", "keys_track.gpx", "bahamas_1_0.rtz", "florida_strait_1_1.rtz"}) {
    const std::string bytes = sample(file);
    for (std::size_t size = 0; size < bytes.size(); ++size) {
      const std::string_view cut(bytes.data(), size);
      const Result<Route> read = read_route(cut, file);
      if (!read.ok()) {
        const auto lines = static_cast<std::size_t>(std::count(cut.begin(), cut.end(), '\n')) + 1;
        EXPECT_GE(read.error().line, 1u) << file << " cut at " << size;
        EXPECT_LE(read.error().line, lines)
            << file << " cut at " << size << ": " << located(read.error());
      } else {
        EXPECT_GE(read.value().waypoints.size(), 2u);
      }
    }
  }
}

// At most kMaxWaypoints points: one more is refused at the point beyond.
TEST(ReadRoute, RefusesMoreThanTenThousandPoints) {
  auto track = [](std::size_t points) {
    std::string text = "<gpx version=\"1.1\"><trk><trkseg>\n";
    for (std::size_t i = 0; i < points; ++i) text += "<trkpt lat=\"20\" lon=\"-70\"/>\n";
    return text + "</trkseg></trk></gpx>";
  };
  const Result<Route> most = read_route(track(kMaxWaypoints), "t");
  ASSERT_TRUE(most.ok());
  EXPECT_EQ(most.value().waypoints.size(), kMaxWaypoints);
  const Result<Route> beyond = read_route(track(kMaxWaypoints + 1), "t");
  ASSERT_FALSE(beyond.ok());
  EXPECT_EQ(located(beyond.error()),
            "t:10002: more than 10000 points: not a route a plotter holds");
}

}  // namespace
}  // namespace hurricane::route
