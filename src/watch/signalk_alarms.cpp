#include "watch/signalk_alarms.h"

#include <utility>

namespace hurricane::watch {
namespace {

bool key_character(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-';
}

}  // namespace

std::string signalk_key(const Condition& condition) {
  std::string key(kind_name(condition.kind));
  if (!condition.subject.empty()) {
    key += '_';
    for (const char c : condition.subject) key += key_character(c) ? c : '_';
  }
  return key;
}

std::string signalk_state(AlarmKind kind) {
  switch (kind) {
    case AlarmKind::kNoPlanClear:
      return "emergency";
    case AlarmKind::kCourseMeetsDanger:
    case AlarmKind::kDecideSoon:
    case AlarmKind::kPositionLost:
    case AlarmKind::kSeaRoomReduced:
      return "alarm";
    case AlarmKind::kAdvisoryStale:
    case AlarmKind::kAdvisoryOverdue:
    case AlarmKind::kUnreadableFile:
      return "alert";
  }
  return "alarm";
}

SignalKAlarms::SignalKAlarms(own_ship::SignalKEndpoint endpoint)
    : notifier_(endpoint), url_(std::move(endpoint.url)) {}

void SignalKAlarms::send(const AlarmEvent& event) {
  const Condition& condition = event.alarm.condition;
  bool sent = true;
  switch (event.what) {
    case AlarmEvent::What::kRaised:
      sent = notifier_.notify(
          signalk_key(condition), signalk_state(condition.kind),
          "Hurricane " + std::string(kind_name(condition.kind)) + ": " + condition.reason);
      break;
    case AlarmEvent::What::kCleared:
      sent = notifier_.notify(signalk_key(condition), "normal",
                              "Hurricane " + std::string(kind_name(condition.kind)) + ": cleared");
      break;
    case AlarmEvent::What::kAcknowledged:
      break;  // Signal K has no acknowledged state; the alarm stands until cleared
  }
  behind_ = behind_ || !sent;
}

void SignalKAlarms::tick(const std::vector<Alarm>& raised, own_ship::Arrival now) {
  if (!behind_ || now - last_try_ < kSignalKRetry) return;
  last_try_ = now;
  behind_ = false;
  for (const Alarm& alarm : raised) send({AlarmEvent::What::kRaised, alarm, alarm.raised});
}

}  // namespace hurricane::watch
