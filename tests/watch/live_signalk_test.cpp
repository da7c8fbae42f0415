// The watch on a real Signal K server: the ship where the server's NMEA playback puts it, with
// its course and speed, and the watch's alarm set on the server as a notification, then
// "normal" once it no longer holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <thread>

#include "own_ship/fake_gpsd.h"
#include "own_ship/signalk_server.h"
#include "watch/running_program.h"

namespace hurricane::watch {
namespace {

namespace fs = std::filesystem;
using own_ship_test::SignalKServer;

// The notification's state on the server, waited for up to 10 s.
std::string notification_state(int port, const std::string& key, const std::string& want) {
  const std::string path = "/signalk/v1/api/vessels/self/notifications/navigation/hurricane/" + key;
  std::string state;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < end && state != want) {
    const auto answer = own_ship_test::http_get(port, path);
    const auto shown = nlohmann::json::parse(answer.body, nullptr, false);
    if (answer.status == 200 && shown.is_object() && shown.contains("value")) {
      state = shown["value"].value("state", "");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return state;
}

TEST(LiveSignalK, TheShipIsWhereTheServerSaysAndItsAlarmsAreNotifications) {
  const std::string missing = SignalKServer::missing();
  if (!missing.empty()) GTEST_SKIP() << missing;
  own_ship::gpsd_test::ScratchDir scratch;
  const fs::path log = scratch.path() / "ship.nmea";
  own_ship::gpsd_test::make_nmea_log(
      log,
      "--lat 32.3 --lon -53.5 --course 235 --speed 14 --start 2023-09-12T21:00:00Z "
      "--seconds 600");
  const fs::path folder = scratch.path() / "advisories";
  fs::create_directories(folder);
  fs::copy_file(fs::path(WATCH_DATA_DIR) / "tcm-al132023-30.txt", folder / "tcm-al132023-30.txt");
  // A cut advisory: its alarm is certain whatever the plan says.
  fs::copy_file(fs::path(WATCH_DATA_DIR) / "cut-al132023-30.txt", folder / "cut.txt");

  // GGA and RMC, as most receivers send them: the server dates the GGA by its own clock, so only
  // the RMC of each second is a fix.
  SignalKServer server(log.string(), 140);  // about a fix a second

  watch_test::Program watch({"watch", "--watch-dir", folder.string(), "--signalk",
                             "http://127.0.0.1:" + std::to_string(server.port()), "--ship-speed",
                             "14", "--no-land"});
  // The log's first minutes: 32°18.0'N 053°30.0'W on 235 at 14 kn, the source named.
  ASSERT_TRUE(watch.wait_for("(signalk http://127.0.0.1:", 0, std::chrono::seconds(30)))
      << watch.out << server.log();
  EXPECT_NE(watch.out.find("Ship 32°1"), std::string::npos) << watch.out;
  EXPECT_NE(watch.out.find(", COG 235, SOG 14.0 kn, fix 2023-09-12T21:0"), std::string::npos)
      << watch.out;

  EXPECT_EQ(notification_state(server.port(), "unreadable-file_cut_txt", "alert"), "alert");
  fs::remove(folder / "cut.txt");
  EXPECT_EQ(notification_state(server.port(), "unreadable-file_cut_txt", "normal"), "normal");
}

}  // namespace
}  // namespace hurricane::watch
