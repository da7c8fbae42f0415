// The alarm book against a model of it over random sequences of what holds: every alarm raised
// once while it holds, cleared once when it stops, acknowledged at most once per raising.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <utility>

#include "watch/alarm_book.h"

namespace hurricane::watch {
namespace {

using Key = std::pair<AlarmKind, std::string>;

TEST(AlarmBook, FollowsWhatHoldsOverRandomSequences) {
  std::mt19937 random(20231212);
  const std::vector<Key> keys = {{AlarmKind::kDecideSoon, ""},
                                 {AlarmKind::kNoPlanClear, ""},
                                 {AlarmKind::kAdvisoryStale, "a.txt"},
                                 {AlarmKind::kAdvisoryStale, "b.txt"},
                                 {AlarmKind::kUnreadableFile, "a.txt"}};
  for (int sequence = 0; sequence < 200; ++sequence) {
    AlarmBook book;
    std::map<Key, bool> model;  // raised alarms: acknowledged or not
    UtcTime at{std::chrono::seconds(1'700'000'000)};
    std::map<Key, UtcTime> raised_at;
    for (int step = 0; step < 40; ++step) {
      at += std::chrono::minutes(10);
      if (random() % 4 == 0) {
        // The navigator acknowledges one alarm, raised or not.
        const Key& key = keys[random() % keys.size()];
        const auto event = book.acknowledge(key.first, key.second, at);
        const auto found = model.find(key);
        const bool expected = found != model.end() && !found->second;
        ASSERT_EQ(event.has_value(), expected);
        if (expected) {
          EXPECT_EQ(event->what, AlarmEvent::What::kAcknowledged);
          found->second = true;
        }
        continue;
      }
      std::vector<Condition> holding;
      std::set<Key> holds;
      for (const Key& key : keys) {
        if (random() % 2 == 0) continue;
        holding.push_back({key.first, key.second, "reason " + std::to_string(step)});
        holds.insert(key);
        if (random() % 3 == 0) holding.push_back(holding.back());  // said twice: one alarm
      }
      const std::vector<AlarmEvent> events = book.hold(holding, at);
      std::set<Key> raised_now, cleared_now;
      for (const AlarmEvent& event : events) {
        const Key key{event.alarm.condition.kind, event.alarm.condition.subject};
        ASSERT_NE(event.what, AlarmEvent::What::kAcknowledged);
        auto& into = event.what == AlarmEvent::What::kRaised ? raised_now : cleared_now;
        ASSERT_TRUE(into.insert(key).second) << "an alarm changed twice in one step";
        EXPECT_EQ(event.at, at);
      }
      for (const Key& key : keys) {
        const bool was = model.contains(key);
        EXPECT_EQ(raised_now.contains(key), !was && holds.contains(key));
        EXPECT_EQ(cleared_now.contains(key), was && !holds.contains(key));
        if (!was && holds.contains(key)) {
          model[key] = false;
          raised_at[key] = at;
        }
        if (was && !holds.contains(key)) model.erase(key);
      }
      // The book's alarms are exactly the model's, each with the time it was first raised, the
      // latest reason and whether it was acknowledged.
      ASSERT_EQ(book.raised().size(), model.size());
      for (const Alarm& alarm : book.raised()) {
        const Key key{alarm.condition.kind, alarm.condition.subject};
        ASSERT_TRUE(model.contains(key));
        EXPECT_EQ(alarm.acknowledged, model[key]);
        EXPECT_EQ(alarm.raised, raised_at[key]);
        EXPECT_EQ(alarm.condition.reason, "reason " + std::to_string(step));
      }
    }
  }
}

}  // namespace
}  // namespace hurricane::watch
