#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <nlohmann/json.hpp>
#include <numbers>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "navigation/utc_time.h"
#include "own_ship/signalk_endpoint.h"
#include "own_ship/signalk_fixes.h"
#include "own_ship/signalk_notifier.h"
#include "own_ship/signalk_server.h"
#include "own_ship/signalk_source.h"

namespace hurricane::own_ship {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using nlohmann::json;
using own_ship_test::http_get;
using own_ship_test::SignalKServer;

const std::string kTrack = std::string(OWN_SHIP_DATA_DIR) + "/signalk_track.nmea";
// About one RMC sentence of the track a second, as a receiver sends them.
constexpr int kBytesPerSecond = 68;

// The track's sentences as a chart reads them (ddmm.mmmm to degrees), with their UTC times:
// across a new year, and a course just short of north.
struct Row {
  int day_of_year;  // 365: 31 December 2026; 1: 1 January 2027
  int hour, minute, second;
  double lat, lon, sog_kn, cog_deg;
};
const Row kRows[] = {
    {365, 23, 59, 58, 18 + 30.1234 / 60, -(72 + 45.6789 / 60), 12.3, 45.6},
    {365, 23, 59, 59, 18 + 30.1301 / 60, -(72 + 45.6712 / 60), 12.6, 47.0},
    {1, 0, 0, 0, 18 + 30.1369 / 60, -(72 + 45.6634 / 60), 12.9, 48.5},
    {1, 0, 0, 1, 18 + 30.1436 / 60, -(72 + 45.6557 / 60), 13.1, 359.9},
};

UtcTime row_time(const Row& row) {
  const auto time = row.day_of_year == 365
                        ? navigation::civil_time(2026, 12, 31, row.hour, row.minute, row.second)
                        : navigation::civil_time(2027, 1, 1, row.hour, row.minute, row.second);
  return *time;
}

// The row a fix came from, by its time; nothing when none has that time.
std::optional<Row> row_of(const Fix& fix) {
  for (const Row& row : kRows) {
    if (row_time(row) == fix.time) return row;
  }
  return std::nullopt;
}

std::string port_url(const char* scheme, int port, const char* path) {
  return std::string(scheme) + "://127.0.0.1:" + std::to_string(port) + path;
}

SignalKEndpoint endpoint_of(const std::string& url) {
  const Result<SignalKEndpoint> endpoint = signalk_endpoint(url);
  EXPECT_TRUE(endpoint.ok()) << url;
  return endpoint.value();
}

// Fixes from `source` until `count` came or `within` passed.
std::vector<Fix> fixes_from(SignalKSource& source, std::size_t count, std::chrono::seconds within) {
  std::vector<Fix> fixes;
  const auto deadline = Clock::now() + within;
  while (fixes.size() < count && Clock::now() < deadline) {
    if (auto fix = source.next(500ms)) fixes.push_back(*fix);
  }
  return fixes;
}

// The notification as the server's REST API shows it, once it says `state` (or after 5 s).
json notification_on(int port, const std::string& key, const std::string& state) {
  const std::string path = "/signalk/v1/api/vessels/self/notifications/navigation/hurricane/" + key;
  json shown;
  const auto deadline = Clock::now() + 5s;
  while (Clock::now() < deadline) {
    const auto answer = http_get(port, path);
    if (answer.status == 200) {
      shown = json::parse(answer.body, nullptr, false);
      if (shown.is_object() && shown.value("value", json::object()).value("state", "") == state) {
        break;
      }
    }
    std::this_thread::sleep_for(100ms);
  }
  return shown;
}

TEST(SignalKEndpoint, TakesTheStreamOrTheServerAndSaysWhatElseItWants) {
  const auto stream = signalk_endpoint("ws://boat.local:3000/signalk/v1/stream");
  ASSERT_TRUE(stream.ok());
  EXPECT_EQ(stream.value().host, "boat.local");
  EXPECT_EQ(stream.value().port, "3000");
  EXPECT_EQ(stream.value().target, "/signalk/v1/stream?subscribe=none");
  const auto server = signalk_endpoint("http://[::1]:3000/");
  ASSERT_TRUE(server.ok());
  EXPECT_EQ(server.value().host, "::1");
  EXPECT_EQ(signalk_endpoint("http://10.10.10.1").value().port, "80");

  for (const char* wrong :
       {"wss://boat:3000/signalk/v1/stream", "ws://boat:3000/", "http://boat:3000/signalk",
        "http://boat:0", "http://boat:65536", "http://boat:30x0", "boat:3000", "http://:3000",
        "ws://user@boat:3000/signalk/v1/stream", "http://boat:3000/?subscribe=all", ""}) {
    const auto endpoint = signalk_endpoint(wrong);
    ASSERT_FALSE(endpoint.ok()) << wrong;
    EXPECT_EQ(endpoint.error().field, Field::kSignalK);
    EXPECT_EQ(endpoint.error().value, wrong);
    EXPECT_NE(endpoint.error().problem.find("ws://HOST:PORT/signalk/v1/stream"), std::string::npos)
        << endpoint.error().problem;
  }
}

// The server sends each value of an update as a delta of its own, position first.
TEST(SignalKFixes, APositionTakesTheCourseSpeedAndTimeOfItsOwnUpdate) {
  const auto delta = [](const char* timestamp, const char* path, const json& value) {
    return json{
        {"context", "vessels.urn:mrn:signalk:uuid:x"},
        {"updates", {{{"timestamp", timestamp}, {"values", {{{"path", path}, {"value", value}}}}}}}}
        .dump();
  };
  SignalKFixes fixes;
  EXPECT_TRUE(fixes.take(R"({"name":"signalk-server","version":"2.23.0","self":"x"})").empty());
  EXPECT_TRUE(fixes.take("not json").empty());
  const char* first = "2026-09-12T18:00:00.000Z";
  const char* second = "2026-09-12T18:00:01.000Z";
  EXPECT_TRUE(
      fixes.take(delta(first, "navigation.position", {{"latitude", -12.5}, {"longitude", 130.25}}))
          .empty());
  EXPECT_TRUE(fixes.waiting());
  EXPECT_TRUE(
      fixes.take(delta(first, "navigation.courseOverGroundTrue", -std::numbers::pi / 2)).empty());
  EXPECT_TRUE(fixes.take(delta(first, "navigation.speedOverGround", 1852.0 / 3600.0)).empty());
  EXPECT_TRUE(fixes.take(delta(first, "navigation.datetime", "2026-09-12T17:59:59Z")).empty());

  const auto made = fixes.take(
      delta(second, "navigation.position", {{"latitude", -12.51}, {"longitude", 130.26}}));
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(made[0].position, (LatLon{-12.5, 130.25}));
  EXPECT_NEAR(*made[0].cog_deg, 270.0, 1e-9);
  EXPECT_NEAR(*made[0].sog_kn, 1.0, 1e-12);
  EXPECT_EQ(made[0].time, *navigation::civil_time(2026, 9, 12, 17, 59, 59));  // the receiver's
  EXPECT_EQ(made[0].source, "signalk");

  // Once the receiver gives its own time, a position of an update without it (an NMEA GGA,
  // which the server dates by its own clock) is no fix: a replayed log would jump years.
  EXPECT_FALSE(fixes.flush().has_value());

  // From a receiver that never gives its time, after the first few positions (the server's
  // first values may carry stamps of its own), a position quiet after it goes with the latest
  // course and its update's own stamp.
  SignalKFixes undated;
  undated.take(delta(first, "navigation.courseOverGroundTrue", -std::numbers::pi / 2));
  for (int i = 0; i < kUndatedBeforeStamps; ++i) {
    undated.take(delta(first, "navigation.position", {{"latitude", -12.5}, {"longitude", 130.25}}));
    EXPECT_FALSE(undated.flush().has_value());
  }
  undated.take(delta(second, "navigation.position", {{"latitude", -12.51}, {"longitude", 130.26}}));
  const auto last = undated.flush();
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(last->position, (LatLon{-12.51, 130.26}));
  EXPECT_NEAR(*last->cog_deg, 270.0, 1e-9);
  EXPECT_EQ(last->time, *navigation::civil_time(2026, 9, 12, 18, 0, 1));
  EXPECT_FALSE(undated.flush().has_value());

  // A position off the Earth, or one without a time, is no fix.
  EXPECT_TRUE(
      fixes.take(delta(second, "navigation.position", {{"latitude", 91.0}, {"longitude", 0}}))
          .empty());
  EXPECT_FALSE(fixes.waiting());
  fixes.take(delta("yesterday", "navigation.position", {{"latitude", 1.0}, {"longitude", 0}}));
  EXPECT_FALSE(fixes.flush().has_value());
}

class SignalKServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string missing = SignalKServer::missing();
    if (!missing.empty()) GTEST_SKIP() << missing;
    server_ = std::make_unique<SignalKServer>(kTrack, kBytesPerSecond);
  }

  std::unique_ptr<SignalKServer> server_;
};

TEST_F(SignalKServerTest, FixesAreTheLogsPositionsWithTheirCourseSpeedAndTime) {
  const std::string url = port_url("http", server_->port(), "");
  SignalKSource source(endpoint_of(url));
  EXPECT_EQ(source.describe(), "signalk " + url);
  const std::vector<Fix> fixes = fixes_from(source, 3, 20s);
  ASSERT_EQ(fixes.size(), 3u) << source.problem() << "\n" << server_->log();
  EXPECT_EQ(source.problem(), "");
  std::set<UtcTime> times;
  for (const Fix& fix : fixes) {
    const auto row = row_of(fix);
    ASSERT_TRUE(row.has_value()) << navigation::format_utc_time(fix.time);
    EXPECT_NEAR(fix.position.lat, row->lat, 1e-9);
    EXPECT_NEAR(fix.position.lon, row->lon, 1e-9);
    ASSERT_TRUE(fix.cog_deg && fix.sog_kn);
    // To far below the log's tenths: the server converts with rounded factors of its own.
    EXPECT_NEAR(*fix.cog_deg, row->cog_deg, 1e-4);
    EXPECT_NEAR(*fix.sog_kn, row->sog_kn, 1e-4);
    EXPECT_EQ(fix.source, "signalk");
    times.insert(fix.time);
  }
  EXPECT_GE(times.size(), 2u) << "the fixes follow the log";
}

TEST_F(SignalKServerTest, NotificationsAreSetOnTheServerAndNormalClearsThem) {
  const int port = server_->port();
  SignalKNotifier notifier(endpoint_of(port_url("ws", port, "/signalk/v1/stream")));
  const std::string alarm = "Hurricane Lee: the ship is inside the 34 kt wind field — turn away";
  ASSERT_TRUE(notifier.notify("al132023", "alarm", alarm)) << notifier.problem();
  EXPECT_EQ(notifier.problem(), "");
  const json shown = notification_on(port, "al132023", "alarm");
  ASSERT_TRUE(shown.contains("value")) << shown.dump() << "\n" << server_->log();
  EXPECT_EQ(shown["value"]["state"], "alarm");
  EXPECT_EQ(shown["value"]["message"], alarm);
  EXPECT_EQ(shown["value"]["method"], json({"visual", "sound"}));

  ASSERT_TRUE(notifier.notify("al132023", "normal", "Hurricane Lee: clear"));
  const json cleared = notification_on(port, "al132023", "normal");
  EXPECT_EQ(cleared["value"]["state"], "normal") << cleared.dump();
  EXPECT_EQ(cleared["value"]["message"], "Hurricane Lee: clear");

  // Nothing the server would misfile is sent.
  EXPECT_FALSE(notifier.notify("al13.2023", "alarm", alarm));
  EXPECT_NE(notifier.problem().find("al13.2023"), std::string::npos) << notifier.problem();
  EXPECT_FALSE(notifier.notify("al132023", "panic", alarm));
  EXPECT_NE(notifier.problem().find("panic"), std::string::npos) << notifier.problem();
}

TEST_F(SignalKServerTest, ALostServerIsSaidWithinTheWaitAndTheSourceComesBack) {
  const int port = server_->port();
  const std::string url = port_url("http", port, "/");
  SignalKSource source(endpoint_of(url));
  SignalKNotifier notifier(endpoint_of(url));
  ASSERT_EQ(fixes_from(source, 1, 20s).size(), 1u) << source.problem();
  ASSERT_TRUE(notifier.notify("al132023", "alert", "Hurricane Lee")) << notifier.problem();

  server_->stop();
  const auto lost_by = Clock::now() + 10s;
  while (source.problem().empty() && Clock::now() < lost_by) source.next(200ms);
  // Lost, and tried again at once: the last try was long ago.
  EXPECT_TRUE(source.problem().starts_with("Signal K at " + url + ": ")) << source.problem();
  // Down, every call keeps to its wait, trying again at most once a second.
  for (const auto wait : {0ms, 300ms, 1200ms}) {
    const auto start = Clock::now();
    EXPECT_FALSE(source.next(wait).has_value());
    EXPECT_LT(Clock::now() - start, wait + 250ms) << wait.count();
    EXPECT_TRUE(source.problem().starts_with("Signal K at " + url + ": ")) << source.problem();
  }
  EXPECT_NE(source.problem().find("cannot connect"), std::string::npos) << source.problem();
  const auto start = Clock::now();
  EXPECT_FALSE(notifier.notify("al132023", "alarm", "Hurricane Lee"));
  EXPECT_LT(Clock::now() - start, SignalKNotifier::kBudget + 500ms);
  EXPECT_TRUE(notifier.problem().starts_with("Signal K at " + url + ": ")) << notifier.problem();

  server_->start();
  ASSERT_EQ(fixes_from(source, 1, 20s).size(), 1u) << source.problem();
  EXPECT_EQ(source.problem(), "");
  EXPECT_TRUE(notifier.notify("al132023", "alarm", "Hurricane Lee")) << notifier.problem();
  EXPECT_EQ(notification_on(port, "al132023", "alarm")["value"]["state"], "alarm");
}

}  // namespace
}  // namespace hurricane::own_ship
