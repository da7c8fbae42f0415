// One round of the watch on real advisories: what the folder gives, the advisories' alarms at
// their edges, and the plan's alarms against the plan's own decide-by.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "situation/utc_time.h"
#include "watch/watch_round.h"

namespace hurricane::watch {
namespace {

namespace fs = std::filesystem;

struct Folder {
  Folder() {
    path = fs::temp_directory_path() /
           ("watch-round-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~Folder() { fs::remove_all(path); }
  void add(const std::string& name, const std::string& as = "") {
    fs::copy_file(fs::path(WATCH_DATA_DIR) / name, path / (as.empty() ? name : as));
  }
  fs::path path;
};

UtcTime time_of(const std::string& iso) {
  return situation::parse_utc_time(Field::kAt, iso).value();
}

std::vector<std::string> alarms_of(const Round& round) {
  std::vector<std::string> names;
  for (const Condition& c : round.conditions) {
    names.push_back(std::string(kind_name(c.kind)) + (c.subject.empty() ? "" : " " + c.subject));
  }
  return names;
}

Round round_at(const Folder& folder, const std::string& ship, const std::string& at,
               double alarm_hours = 24.0) {
  WatchSettings settings;
  settings.base.situation.ship_speed = 12.0;
  settings.base.forecast.voyage_course_deg = 270.0;
  settings.at = at;
  settings.alarm_hours = alarm_hours;
  return make_round(settings, ship, read_folder(folder.path), time_of("2026-01-01T00:00Z"));
}

TEST(WatchRound, ReadsEveryFileAndNamesThoseThatCannotBe) {
  Folder folder;
  folder.add("10.142016.index-at.xml");
  folder.add("11.142016.index-at.xml");
  folder.add("cut-al132023-30.txt");
  folder.add("tcm-al132023-30.txt", ".partial");  // being written: not yet the folder's
  const FolderAdvisories read = read_folder(folder.path);
  // Advisory 11 replaces 10 of the same storm.
  ASSERT_EQ(read.storms.size(), 1u);
  EXPECT_EQ(read.storms[0].file, "11.142016.index-at.xml");
  ASSERT_EQ(read.faults.size(), 1u);
  EXPECT_EQ(read.faults[0].file, "cut-al132023-30.txt");
  EXPECT_TRUE(read.faults[0].problem.starts_with("line 45: ")) << read.faults[0].problem;
}

TEST(WatchRound, AdvisoriesStaleOverdueOrTooOldEachRaiseTheirAlarm) {
  Folder folder;
  folder.add("tcm-al132023-30.txt");     // analysis 12/2100Z, next advisory 13/0300Z
  folder.add("11.142016.index-at.xml");  // years old at Lee's time: left out, Lee still advised
  const std::string ship = "40N,30W";    // far from Lee all the way
  const std::string matthew = "advisory-stale 11.142016.index-at.xml";
  using Names = std::vector<std::string>;
  EXPECT_EQ(alarms_of(round_at(folder, ship, "2023-09-13T04:00Z")), Names{matthew});
  EXPECT_EQ(alarms_of(round_at(folder, ship, "2023-09-13T04:01Z")),
            (Names{matthew, "advisory-overdue tcm-al132023-30.txt"}));
  const Round stale = round_at(folder, ship, "2023-09-13T09:01Z");
  EXPECT_EQ(alarms_of(stale), (Names{matthew, "advisory-stale tcm-al132023-30.txt",
                                     "advisory-overdue tcm-al132023-30.txt"}));
  ASSERT_TRUE(stale.answer.has_value()) << stale.no_answer.value_or("");
  EXPECT_EQ(stale.advised_files, Names{"tcm-al132023-30.txt"});
  // Past the refusal no storm is left: no answer, and it says why.
  const Round refused = round_at(folder, ship, "2023-09-14T21:01Z");
  EXPECT_FALSE(refused.answer.has_value());
  EXPECT_EQ(refused.no_answer, "no advisory in the folder to advise on");
  EXPECT_EQ(alarms_of(refused), (Names{matthew, "advisory-stale tcm-al132023-30.txt"}));
}

TEST(WatchRound, VoyageAlarmAgreesWithThePlansDecideBy) {
  Folder folder;
  folder.add("tcm-al132023-30.txt");
  int met = 0;
  for (const std::string ship :
       {"22N,70W", "21N,70W", "23N,62W", "26N,64W", "28N,70W", "20N,64W", "24.7N,60W", "30N,66W"}) {
    const Round round = round_at(folder, ship, "2023-09-12T21:00Z", 120.0);
    ASSERT_TRUE(round.answer && round.answer->plan) << ship;
    const plan::Plan& plan = *round.answer->plan;
    // Holding the voyage stops being clear exactly when the plan has a decide-by, and the
    // decide-by is no later than the voyage stays clear.
    EXPECT_EQ(plan.voyage_clear_until.has_value(),
              plan.decide_by.kind != plan::DecideBy::Kind::kNone)
        << ship;
    if (plan.decide_by.kind == plan::DecideBy::Kind::kAt) {
      EXPECT_LE(plan.decide_by.at, *plan.voyage_clear_until) << ship;
    }
    const auto names = alarms_of(round);
    const bool meets = std::ranges::count(names, "course-meets-danger") == 1;
    EXPECT_EQ(meets, plan.voyage_clear_until.has_value()) << ship;
    met += meets;
    // Watched fewer hours ahead than the voyage stays clear, the alarm is not raised.
    if (plan.voyage_clear_until) {
      const double clear_h = navigation::hours_between(round.advice_time, *plan.voyage_clear_until);
      if (clear_h >= 1.0) {
        const auto nearer = alarms_of(round_at(folder, ship, "2023-09-12T21:00Z", clear_h));
        EXPECT_EQ(std::ranges::count(nearer, "course-meets-danger"), 0) << ship;
      }
    }
  }
  EXPECT_GT(met, 0);
  EXPECT_LT(met, 8);
}

}  // namespace
}  // namespace hurricane::watch
