#include "watch/watch_text.h"

#include <cstdio>

#include "report/plan_lines.h"
#include "situation/position.h"

namespace hurricane::watch {

std::string round_text(const Round& round, const std::vector<Alarm>& alarms) {
  std::string text = "Watch at " + navigation::format_utc_time(round.advice_time) + ":";
  if (round.advised_files.empty()) text += " no advisory advised";
  for (std::size_t i = 0; i < round.advised_files.size(); ++i) {
    text += (i == 0 ? " " : ", ") + round.advised_files[i];
  }
  text += '\n';
  for (const FileFault& fault : round.folder.faults) {
    text += "Cannot read " + fault.file + ": " + fault.problem + '\n';
  }
  if (round.no_answer) text += "No answer: " + *round.no_answer + '\n';
  if (round.answer && round.answer->plan) {
    const auto& advised = round.answer->advisory;
    const std::optional<navigation::UtcTime> next =
        advised ? advised->storm.storm.next_advisory : std::nullopt;
    for (const std::string& line : report::plan_lines(*round.answer->plan, next)) {
      text += line + '\n';
    }
  }
  if (alarms.empty())
    text += "Alarms: none\n";
  else
    text += "Alarms:\n";
  for (const Alarm& alarm : alarms) {
    text += "  " + std::string(kind_name(alarm.condition.kind));
    if (!alarm.condition.subject.empty()) text += " (" + alarm.condition.subject + ")";
    text += ": " + alarm.condition.reason + ", since " + navigation::format_day_time(alarm.raised) +
            (alarm.acknowledged ? ", acknowledged" : "") + '\n';
  }
  return text;
}

std::string ship_text(const LiveState& state) {
  if (!state.position_lost.empty()) {
    return "Position lost (" + state.fix_source + "): " + state.position_lost + '\n';
  }
  if (!state.own_ship || state.own_ship->source == "fixed") return "";
  const own_ship::Fix& fix = *state.own_ship;
  std::string text = "Ship " + situation::format_position(fix.position);
  char figure[32];
  if (fix.cog_deg) {
    std::snprintf(figure, sizeof figure, ", COG %03.0f", *fix.cog_deg);
    text += figure;
  }
  if (fix.sog_kn) {
    std::snprintf(figure, sizeof figure, ", SOG %.1f kn", *fix.sog_kn);
    text += figure;
  }
  return text + ", fix " + navigation::format_utc_time(fix.time) + " (" + state.fix_source + ")\n";
}

std::string event_text(const std::vector<AlarmEvent>& events) {
  std::string text;
  for (const AlarmEvent& event : events) {
    text += "ALARM " + std::string(what_name(event.what)) + " " +
            std::string(kind_name(event.alarm.condition.kind));
    if (!event.alarm.condition.subject.empty()) text += " (" + event.alarm.condition.subject + ")";
    text += ": " + event.alarm.condition.reason + '\n';
  }
  return text;
}

}  // namespace hurricane::watch
