#include "watch/alarm_book.h"

#include <algorithm>

namespace hurricane::watch {

std::string_view kind_name(AlarmKind kind) {
  switch (kind) {
    case AlarmKind::kCourseMeetsDanger:
      return "course-meets-danger";
    case AlarmKind::kDecideSoon:
      return "decide-soon";
    case AlarmKind::kNoPlanClear:
      return "no-plan-clear";
    case AlarmKind::kAdvisoryStale:
      return "advisory-stale";
    case AlarmKind::kAdvisoryOverdue:
      return "advisory-overdue";
    case AlarmKind::kUnreadableFile:
      return "unreadable-file";
    case AlarmKind::kPositionLost:
      return "position-lost";
    case AlarmKind::kSeaRoomReduced:
      return "sea-room-reduced";
  }
  return "unknown";
}

std::string_view what_name(AlarmEvent::What what) {
  switch (what) {
    case AlarmEvent::What::kRaised:
      return "raised";
    case AlarmEvent::What::kCleared:
      return "cleared";
    case AlarmEvent::What::kAcknowledged:
      return "acknowledged";
  }
  return "unknown";
}

std::vector<Alarm>::iterator AlarmBook::find(AlarmKind kind, std::string_view subject) {
  return std::find_if(raised_.begin(), raised_.end(), [&](const Alarm& alarm) {
    return alarm.condition.kind == kind && alarm.condition.subject == subject;
  });
}

std::optional<AlarmEvent> AlarmBook::raise(const Condition& condition, UtcTime at) {
  const auto found = find(condition.kind, condition.subject);
  if (found != raised_.end()) {
    found->condition.reason = condition.reason;
    return std::nullopt;
  }
  raised_.push_back(Alarm{condition, at, false});
  return AlarmEvent{AlarmEvent::What::kRaised, raised_.back(), at};
}

std::optional<AlarmEvent> AlarmBook::clear(AlarmKind kind, std::string_view subject, UtcTime at) {
  const auto found = find(kind, subject);
  if (found == raised_.end()) return std::nullopt;
  AlarmEvent event{AlarmEvent::What::kCleared, *found, at};
  raised_.erase(found);
  return event;
}

std::optional<AlarmEvent> AlarmBook::acknowledge(AlarmKind kind, std::string_view subject,
                                                 UtcTime at) {
  const auto found = find(kind, subject);
  if (found == raised_.end() || found->acknowledged) return std::nullopt;
  found->acknowledged = true;
  return AlarmEvent{AlarmEvent::What::kAcknowledged, *found, at};
}

std::vector<AlarmEvent> AlarmBook::hold(const std::vector<Condition>& holding, UtcTime at) {
  std::vector<AlarmEvent> events;
  for (const Condition& condition : holding) {
    if (auto event = raise(condition, at)) events.push_back(std::move(*event));
  }
  std::vector<Alarm> gone;
  for (const Alarm& alarm : raised_) {
    const bool holds = std::any_of(holding.begin(), holding.end(), [&](const Condition& c) {
      return c.kind == alarm.condition.kind && c.subject == alarm.condition.subject;
    });
    if (!holds) gone.push_back(alarm);
  }
  for (const Alarm& alarm : gone) {
    if (auto event = clear(alarm.condition.kind, alarm.condition.subject, at)) {
      events.push_back(std::move(*event));
    }
  }
  return events;
}

}  // namespace hurricane::watch
