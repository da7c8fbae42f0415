#include "watch/alarm_log.h"

#include <nlohmann/json.hpp>

namespace hurricane::watch {

std::string log_line(const AlarmEvent& event) {
  nlohmann::ordered_json line;
  line["at"] = navigation::format_utc_time(event.at);
  line["event"] = what_name(event.what);
  line["kind"] = kind_name(event.alarm.condition.kind);
  line["subject"] = event.alarm.condition.subject;
  line["reason"] = event.alarm.condition.reason;
  line["raised"] = navigation::format_utc_time(event.alarm.raised);
  line["acknowledged"] = event.alarm.acknowledged;
  return line.dump() + '\n';
}

}  // namespace hurricane::watch
