// The live state's document from real rounds: held to docs/live.schema.json, and each value
// the page shows traced back to the round and the alarm book that decided it.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli/schema_check.h"
#include "situation/utc_time.h"
#include "watch/alarm_kinds.h"
#include "watch/live_json.h"
#include "watch/watch_text.h"

namespace hurricane::watch {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct Folder {
  Folder() {
    path = fs::temp_directory_path() /
           ("live-json-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~Folder() { fs::remove_all(path); }
  void add(const std::string& name) { fs::copy_file(fs::path(WATCH_DATA_DIR) / name, path / name); }
  fs::path path;
};

UtcTime time_of(const std::string& iso) {
  return situation::parse_utc_time(Field::kAt, iso).value();
}

json checked(const LiveState& state) {
  const json document = json::parse(live_json(state));
  const cli_test::SchemaFiles files = {
      {"advice.schema.json", cli_test::schema_file("advice.schema.json")}};
  const auto problems =
      cli_test::schema_problems(document, cli_test::schema_file("live.schema.json"), &files);
  EXPECT_TRUE(problems.empty()) << problems.front();
  return document;
}

const json& storm_of(const json& document, const std::string& file) {
  for (const json& storm : document["storms"]) {
    if (storm["file"] == file) return storm;
  }
  throw std::runtime_error("no storm of " + file);
}

TEST(LiveJson, ARoundOfStormsFaultsPlanAndAlarmsAsTheWatchDecidedThem) {
  Folder folder;
  folder.add("tcm-al132023-30.txt");     // Lee: analysis 12/2100Z, next advisory due 13/0300Z
  folder.add("11.142016.index-at.xml");  // Matthew, years old at Lee's time: left out
  folder.add("cut-al132023-30.txt");
  WatchSettings settings;
  settings.base.situation.ship_speed = 14.0;
  settings.base.forecast.plan_to = navigation::LatLon{25.5, -77.5};
  settings.at = "2023-09-13T04:01Z";  // Lee's next advisory a minute past overdue
  const std::string ship = "20.5N,69.0W";
  const UtcTime now = time_of("2026-01-01T00:00Z");

  LiveState state;
  state.own_ship = own_ship::Fix{{20.5, -69.0}, 315.0, 11.5, now, "gpsd"};
  state.fix_source = "gpsd localhost:2947";
  state.round = make_round(settings, ship, read_folder(folder.path), now);
  AlarmBook book;
  state.events = book.hold(state.round->conditions, state.round->advice_time);
  const auto acknowledged =
      book.acknowledge(AlarmKind::kUnreadableFile, "cut-al132023-30.txt", now);
  ASSERT_TRUE(acknowledged);
  state.events.push_back(*acknowledged);
  state.alarms = book.raised();
  state.updated = now;
  const json document = checked(state);

  EXPECT_EQ(document["advice_time"], "2023-09-13T04:01:00Z");
  EXPECT_EQ(document["own_ship"]["cog_deg"], 315.0);
  EXPECT_EQ(document["own_ship"]["source"], "gpsd localhost:2947");
  const json& lee = storm_of(document, "tcm-al132023-30.txt");
  EXPECT_EQ(lee["advisory"], 30);
  EXPECT_NEAR(lee["age_h"].get<double>(), 7.0 + 1.0 / 60.0, 1e-9);
  EXPECT_EQ(lee["next_advisory"], "2023-09-13T03:00:00Z");
  EXPECT_TRUE(lee["overdue"]);
  EXPECT_TRUE(lee["advised"]);
  const json& matthew = storm_of(document, "11.142016.index-at.xml");
  EXPECT_FALSE(matthew["advised"]);
  EXPECT_FALSE(matthew["overdue"]);
  ASSERT_EQ(document["files_unread"].size(), 1u);
  EXPECT_EQ(document["files_unread"][0]["file"], "cut-al132023-30.txt");

  // The plan's lines are the console's, and the plan object's own.
  ASSERT_FALSE(document["plan"].is_null());
  EXPECT_EQ(document["report"], document["plan"]["report"]);
  ASSERT_FALSE(document["report"].empty());
  const std::string console = round_text(*state.round, state.alarms);
  for (const json& line : document["report"]) {
    EXPECT_NE(console.find(line.get<std::string>()), std::string::npos) << line;
  }

  // Every alarm the book holds, each with its state; the events in the order they happened.
  ASSERT_EQ(document["alarms"].size(), book.raised().size());
  for (const json& alarm : document["alarms"]) {
    const bool cut = alarm["subject"] == "cut-al132023-30.txt";
    EXPECT_EQ(alarm["state"], cut ? "acknowledged" : "active") << alarm;
    EXPECT_TRUE(kind_named(alarm["kind"].get<std::string>())) << alarm;
  }
  EXPECT_EQ(document["events"].back()["what"], "acknowledged");
  EXPECT_EQ(document["events"].size(), state.events.size());
}

TEST(LiveJson, BeforeTheFirstRoundWithThePositionLost) {
  LiveState state;
  state.position_lost = "no fix from gpsd for 60 s";
  state.updated = time_of("2026-01-01T00:00Z");
  const json document = checked(state);
  EXPECT_TRUE(document["own_ship"].is_null());
  EXPECT_TRUE(document["advice_time"].is_null());
  EXPECT_TRUE(document["plan"].is_null());
  EXPECT_EQ(document["position_lost"], "no fix from gpsd for 60 s");
  EXPECT_TRUE(document["storms"].empty());
}

TEST(AlarmKinds, EveryKindIsFoundByItsNameAndNothingElse) {
  for (const AlarmKind kind :
       {AlarmKind::kCourseMeetsDanger, AlarmKind::kDecideSoon, AlarmKind::kNoPlanClear,
        AlarmKind::kAdvisoryStale, AlarmKind::kAdvisoryOverdue, AlarmKind::kUnreadableFile,
        AlarmKind::kPositionLost, AlarmKind::kSeaRoomReduced}) {
    EXPECT_EQ(kind_named(kind_name(kind)), kind) << kind_name(kind);
  }
  // Kinds added later take the next NMEA hundreds; those of older kinds keep theirs.
  EXPECT_EQ(static_cast<int>(AlarmKind::kSeaRoomReduced), 7);
  EXPECT_EQ(kind_name(AlarmKind::kPositionLost), "position-lost");
  EXPECT_FALSE(kind_named("unknown"));
  EXPECT_FALSE(kind_named(""));
}

}  // namespace
}  // namespace hurricane::watch
