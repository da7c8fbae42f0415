// The watch on a real gpsd: gpsfake replays a day of 1-Hz NMEA of a ship steaming into Lee's
// path (advisory 30, 2023) and one of a ship far from it. The alarms the program logs are held
// against the answer made directly at the same positions and times: each plan alarm is raised
// at the first answer that says so, never on the far ship, and the position is never lost.
//
// Lee and not an older storm: gpsd 3.22 takes NMEA dates before 2017 for a GPS week rollover
// and reports them 1024 weeks later, so a 2003 log would be judged in 2023.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "own_ship/fake_gpsd.h"
#include "situation/utc_time.h"
#include "watch/running_program.h"
#include "watch/watch_round.h"

namespace hurricane::watch {
namespace {

namespace fs = std::filesystem;
using own_ship::gpsd_test::FakeGpsd;
using own_ship::gpsd_test::ScratchDir;

const UtcTime kStart = navigation::civil_time(2023, 9, 12, 21, 0).value();
constexpr double kSpeedKn = 14.0;

struct Voyage {
  navigation::LatLon start;
  double course;
  int hours;
};

// The ship's positions as the log gives them, a second apart from kStart: read back from its
// RMC sentences, so the answers made directly are for the very positions gpsd reported.
std::vector<navigation::LatLon> log_positions(const fs::path& log) {
  std::vector<navigation::LatLon> positions;
  std::ifstream in(log);
  for (std::string line; std::getline(in, line);) {
    if (!line.starts_with("$GPRMC,")) continue;
    std::vector<std::string> f;
    std::stringstream fields(line);
    for (std::string field; std::getline(fields, field, ',');) f.push_back(field);
    const double lat = std::stod(f[3].substr(0, 2)) + std::stod(f[3].substr(2)) / 60.0;
    const double lon = std::stod(f[5].substr(0, 3)) + std::stod(f[5].substr(3)) / 60.0;
    positions.push_back({f[4] == "S" ? -lat : lat, f[6] == "W" ? -lon : lon});
  }
  return positions;
}

// The plan alarms the answer made directly gives at `seconds` into the voyage.
std::vector<std::string> plan_alarms(const FolderAdvisories& folder, const Voyage& voyage,
                                     const std::vector<navigation::LatLon>& positions,
                                     long seconds) {
  WatchSettings settings;
  settings.base.situation.ship_speed = kSpeedKn;
  settings.base.forecast.voyage_course_deg = voyage.course;
  const navigation::LatLon at = positions.at(static_cast<std::size_t>(seconds));
  char ship[48];
  std::snprintf(ship, sizeof ship, "%.5f,%.5f", at.lat, at.lon);
  const Round round = make_round(settings, ship, folder, kStart + std::chrono::seconds(seconds));
  std::vector<std::string> kinds;
  for (const Condition& c : round.conditions) {
    if (c.subject.empty()) kinds.emplace_back(kind_name(c.kind));
  }
  return kinds;
}

bool has(const std::vector<std::string>& kinds, const std::string& kind) {
  return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

struct Replay {
  Replay(const ScratchDir& scratch, const std::string& name, const Voyage& voyage)
      : log(scratch.path() / (name + ".nmea")), alarms(scratch.path() / (name + ".jsonl")) {
    char options[200];
    std::snprintf(options, sizeof options,
                  "--lat %.4f --lon %.4f --course %.0f --speed %.0f --start "
                  "2023-09-12T21:00:00Z --hours %d",
                  voyage.start.lat, voyage.start.lon, voyage.course, kSpeedKn, voyage.hours);
    own_ship::gpsd_test::make_nmea_log(log, options);
  }
  // The alarm log's raisings, kind -> the watch's time of it.
  std::multimap<std::string, UtcTime> raised() const {
    std::multimap<std::string, UtcTime> out;
    std::ifstream in(alarms);
    for (std::string line; std::getline(in, line);) {
      const auto event = nlohmann::json::parse(line);
      if (event["event"] != "raised") continue;
      out.emplace(event["kind"].get<std::string>(),
                  situation::parse_utc_time(Field::kAt, event["at"].get<std::string>()).value());
    }
    return out;
  }
  fs::path log, alarms;
};

TEST(LiveGpsd, PlanAlarmsRiseAtTheFirstAnswerThatSaysSoAndNeverOnAShipFarAway) {
  if (!own_ship::gpsd_test::gpsfake_installed()) GTEST_SKIP() << "gpsfake is not installed";
  ScratchDir scratch;
  const fs::path folder = scratch.path() / "advisories";
  fs::create_directories(folder);
  fs::copy_file(fs::path(WATCH_DATA_DIR) / "tcm-al132023-30.txt", folder / "tcm-al132023-30.txt");

  const Voyage meeting{{32.3, -53.5}, 235.0, 24};
  const Voyage far{{40.0, -25.0}, 90.0, 6};
  const Replay near_replay(scratch, "meeting", meeting);
  const Replay far_replay(scratch, "far", far);

  // Both watches first (they try gpsd every second), then both replays, a fix about every
  // 1.5 ms: a day in under three minutes.
  std::vector<std::unique_ptr<watch_test::Program>> watches;
  std::vector<int> ports;
  for (const Replay* replay : {&near_replay, &far_replay}) {
    ports.push_back(own_ship::gpsd_test::free_port());
    watches.push_back(std::make_unique<watch_test::Program>(
        std::vector<std::string>{"watch", "--watch-dir", folder.string(), "--gpsd",
                                 "127.0.0.1:" + std::to_string(ports.back()), "--ship-speed", "14",
                                 "--no-land", "--log", replay->alarms.string()}));
  }
  FakeGpsd near_gpsd(ports[0], near_replay.log, "0.0002", scratch.path() / "near-gpsfake.out");
  FakeGpsd far_gpsd(ports[1], far_replay.log, "0.0002", scratch.path() / "far-gpsfake.out");
  // Each answer shows its fix; the last answers of each log end the replay, and its watch
  // (which would rightly lose the position a minute later).
  ASSERT_TRUE(watches[1]->wait_for("fix 2023-09-13T02:5", 0, std::chrono::minutes(3)));
  watches[1].reset();
  ASSERT_TRUE(watches[0]->wait_for("fix 2023-09-13T20:5", 0, std::chrono::minutes(8)))
      << watches[0]->out.substr(watches[0]->out.size() > 2000 ? watches[0]->out.size() - 2000 : 0);
  watches[0].reset();

  const FolderAdvisories advisories = read_folder(folder);
  const auto positions = log_positions(near_replay.log);
  ASSERT_EQ(positions.size(), 24u * 3600u + 1u);
  const auto near_raised = near_replay.raised();
  EXPECT_EQ(near_raised.count("position-lost"), 0u);
  for (const std::string kind : {"course-meets-danger", "decide-soon"}) {
    // The answer made directly, every 10 minutes of the log: the first time it says so.
    long first = -1;
    for (long s = 0; s <= 24 * 3600 && first < 0; s += 600) {
      if (has(plan_alarms(advisories, meeting, positions, s), kind)) first = s;
    }
    ASSERT_GE(first, 600) << kind << ": the voyage must start clear of it";
    ASSERT_EQ(near_raised.count(kind), 1u) << kind;
    const long at = (near_raised.find(kind)->second - kStart).count();
    // Raised at an answer (every 10 minutes of fixes, from the first fix the watch got) that
    // says so, the answer before it did not, and no later than the first that says so plus
    // one interval.
    EXPECT_TRUE(has(plan_alarms(advisories, meeting, positions, at), kind))
        << kind << " at +" << at << " s";
    EXPECT_FALSE(has(plan_alarms(advisories, meeting, positions, at - 600), kind)) << kind;
    EXPECT_LT(at, first + 600) << kind;
    EXPECT_GT(at, first - 600) << kind;
  }
  const auto far_raised = far_replay.raised();
  for (const char* kind :
       {"course-meets-danger", "decide-soon", "no-plan-clear", "position-lost"}) {
    EXPECT_EQ(far_raised.count(kind), 0u) << kind;
  }
}

}  // namespace
}  // namespace hurricane::watch
