// The watch's alarms: each raised once while its condition holds, cleared when it no longer
// does, and acknowledged by the navigator in between.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "navigation/utc_time.h"

namespace hurricane::watch {

using navigation::UtcTime;

enum class AlarmKind {
  kCourseMeetsDanger,  // holding the voyage meets the danger area within the alarm hours
  kDecideSoon,         // the plan's decide-by is within 6 h (or now)
  kNoPlanClear,        // no plan keeps clear
  kAdvisoryStale,      // an advisory's analysis is stale, or too old to advise on
  kAdvisoryOverdue,    // an advisory is an hour past the next advisory it announced
  kUnreadableFile,     // a file of the folder cannot be read as an advisory
  kPositionLost,       // no fix, a fix too old, or one that jumped faster than a ship
  kSeaRoomReduced,     // the plan keeps clear only closer to the shore than the sea room asked
};

// The kind's name in the console and the log: "course-meets-danger", ...
std::string_view kind_name(AlarmKind kind);

// A condition that holds now: its kind and subject (the file, for the advisories' alarms; empty
// otherwise) name the alarm; the reason says why, for the navigator.
struct Condition {
  AlarmKind kind = AlarmKind::kNoPlanClear;
  std::string subject;
  std::string reason;
};

struct Alarm {
  Condition condition;
  UtcTime raised{};
  bool acknowledged = false;
};

struct AlarmEvent {
  enum class What { kRaised, kCleared, kAcknowledged };
  What what = What::kRaised;
  Alarm alarm;
  UtcTime at{};
};

std::string_view what_name(AlarmEvent::What what);

class AlarmBook {
 public:
  // Raises `condition` unless its alarm is raised already (its reason then follows the latest).
  std::optional<AlarmEvent> raise(const Condition& condition, UtcTime at);
  std::optional<AlarmEvent> clear(AlarmKind kind, std::string_view subject, UtcTime at);
  // Marks a raised alarm seen; it stays until cleared. Nothing for an alarm not raised.
  std::optional<AlarmEvent> acknowledge(AlarmKind kind, std::string_view subject, UtcTime at);
  // The alarms of exactly `holding`: those not raised are raised, raised ones not among them
  // cleared. The events in that order.
  std::vector<AlarmEvent> hold(const std::vector<Condition>& holding, UtcTime at);

  const std::vector<Alarm>& raised() const { return raised_; }

 private:
  std::vector<Alarm>::iterator find(AlarmKind kind, std::string_view subject);
  std::vector<Alarm> raised_;  // in the order raised
};

}  // namespace hurricane::watch
