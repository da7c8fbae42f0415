// The watch driven by live fixes on a real advisory: answered when the course, the speed or
// the time calls for it, at each fix's own time with the present course as the voyage; the
// position lost and found again; alarms acknowledged by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "navigation/geodesic.h"
#include "watch/watchkeeper.h"

namespace hurricane::watch {
namespace {

using std::chrono::seconds;

const UtcTime kAnalysis = navigation::civil_time(2023, 9, 12, 21, 0).value();  // Lee, 30
const Arrival kBoot{};

FolderAdvisories lee() {
  const auto dir = std::filesystem::temp_directory_path() / "watchkeeper-lee";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  std::filesystem::copy_file(std::filesystem::path(WATCH_DATA_DIR) / "tcm-al132023-30.txt",
                             dir / "tcm-al132023-30.txt");
  FolderAdvisories folder = read_folder(dir);
  std::filesystem::remove_all(dir);
  return folder;
}

WatchSettings settings() {
  WatchSettings s;
  s.base.situation.ship_speed = 12.0;
  s.alarm_hours = 48.0;
  return s;
}

std::vector<std::string> names(const std::vector<Condition>& conditions) {
  std::vector<std::string> out;
  for (const Condition& c : conditions) out.emplace_back(kind_name(c.kind));
  return out;
}

TEST(Watchkeeper, AnswersAtTheFixesThatCallForItWithThePresentCourseAsTheVoyage) {
  const FolderAdvisories folder = lee();
  Watchkeeper keeper(settings(), std::nullopt, "test");
  keeper.advisories(folder, kAnalysis, kBoot);
  EXPECT_FALSE(keeper.state().round);  // no position yet: nothing to answer for

  // A ship west of Lee, 12 kn on 270, turning to 300 at 01:00 and slowing at 02:00: a fix a
  // minute for three hours.
  navigation::LatLon at{24.0, -64.0};
  std::optional<Fix> answered;
  int answers = 0;
  for (int minute = 0; minute <= 180; ++minute) {
    const double course = minute < 60 ? 270.0 : (minute < 65 ? 275.0 : 300.0);
    const double speed = minute < 120 ? 12.0 : 9.5;
    const Fix fix{at, course, speed, kAnalysis + seconds(60 * minute), "test"};
    const bool expected = !answered || needs_answer(*answered, fix);
    keeper.fix(fix, kBoot + seconds(60 * minute), kAnalysis);
    const LiveState state = keeper.state();
    ASSERT_TRUE(state.round && state.round->answer) << minute;
    EXPECT_EQ(state.round->advice_time == fix.time, expected) << minute;
    if (expected) {
      ++answers;
      answered = fix;
      // The same round as answered directly, the fix's course as the voyage.
      WatchSettings direct = settings();
      direct.base.forecast.voyage_course_deg = course;
      char ship[48];
      std::snprintf(ship, sizeof ship, "%.5f,%.5f", at.lat, at.lon);
      const Round round = make_round(direct, ship, folder, fix.time);
      EXPECT_EQ(names(state.round->conditions), names(round.conditions)) << minute;
      EXPECT_EQ(state.round->answer->plan->decide_by.kind, round.answer->plan->decide_by.kind);
      EXPECT_EQ(state.round->answer->plan->decide_by.at, round.answer->plan->decide_by.at);
    }
    at = navigation::direct(at, course, speed / 60.0).position;
  }
  // On the clock until the turn at 01:05 (7; 5 degrees at 01:00 is no turn), from the turn
  // until the slowing at 02:00 (6), and after it (7).
  EXPECT_EQ(answers, 7 + 6 + 7);
}

TEST(Watchkeeper, PositionLostAfterAMinuteWithoutAFixAndFoundWithTheNext) {
  Watchkeeper keeper(settings(), std::nullopt, "test");
  keeper.advisories(lee(), kAnalysis, kBoot);
  // A receiver's first minute is its own; after it, no fix is an alarm.
  keeper.tick(kAnalysis, kBoot + seconds(60));
  EXPECT_TRUE(keeper.take_events().empty());
  keeper.tick(kAnalysis, kBoot + seconds(61));
  std::vector<AlarmEvent> events = keeper.take_events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].alarm.condition.kind, AlarmKind::kPositionLost);
  EXPECT_EQ(events[0].alarm.condition.reason, "no fix yet");

  const Fix fix{{24.0, -64.0}, 270.0, 12.0, kAnalysis, "test"};
  keeper.fix(fix, kBoot + seconds(70), kAnalysis);
  events = keeper.take_events();
  EXPECT_TRUE(std::ranges::any_of(events, [](const AlarmEvent& e) {
    return e.what == AlarmEvent::What::kCleared &&
           e.alarm.condition.kind == AlarmKind::kPositionLost;
  }));
  EXPECT_TRUE(keeper.state().position_lost.empty());

  // Silent for over a minute: lost at the watch's own time, the fix's time plus what passed.
  keeper.tick(kAnalysis, kBoot + seconds(70 + 61));
  events = keeper.take_events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].at, kAnalysis + seconds(61));
  EXPECT_EQ(keeper.state().position_lost, "no fix for 61 s (last at 2023-09-12T21:00:00Z)");

  // Acknowledged by its name; an alarm not raised cannot be.
  EXPECT_FALSE(keeper.acknowledge("advisory-overdue", "", kAnalysis, kBoot + seconds(140)));
  EXPECT_TRUE(keeper.acknowledge("position-lost", "", kAnalysis, kBoot + seconds(140)));
  events = keeper.take_events();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].what, AlarmEvent::What::kAcknowledged);
  EXPECT_TRUE(std::ranges::any_of(keeper.alarms(), [](const Alarm& a) {
    return a.condition.kind == AlarmKind::kPositionLost && a.acknowledged;
  }));
}

}  // namespace
}  // namespace hurricane::watch
