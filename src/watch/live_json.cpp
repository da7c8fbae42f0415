#include "watch/live_json.h"

#include <nlohmann/json.hpp>

#include "json/plan_json.h"
#include "watch/live_storms.h"

namespace hurricane::watch {
namespace {

using json = nlohmann::ordered_json;
using navigation::format_utc_time;

json optional_number(const std::optional<double>& value) {
  return value ? json(*value) : json(nullptr);
}

json own_ship(const LiveState& state) {
  if (!state.own_ship) return nullptr;
  const own_ship::Fix& fix = *state.own_ship;
  return {{"lat", fix.position.lat},
          {"lon", fix.position.lon},
          {"cog_deg", optional_number(fix.cog_deg)},
          {"sog_kn", optional_number(fix.sog_kn)},
          {"time", format_utc_time(fix.time)},
          {"source", state.fix_source.empty() ? fix.source : state.fix_source}};
}

json storms(const Round& round) {
  json list = json::array();
  for (const LiveStorm& live : live_storms(round)) {
    const FolderStorm& s = *live.storm;
    json storm = {{"file", s.file}, {"id", s.storm.id}, {"name", s.storm.name}};
    if (s.storm.number) storm["advisory"] = *s.storm.number;
    storm["analysis"] = format_utc_time(s.storm.fix.time);
    storm["age_h"] = live.age_h;
    storm["next_advisory"] =
        s.storm.next_advisory ? json(format_utc_time(*s.storm.next_advisory)) : json(nullptr);
    storm["overdue"] = live.overdue;
    storm["advised"] = live.advised;
    list.push_back(std::move(storm));
  }
  return list;
}

json files_unread(const Round& round) {
  json list = json::array();
  for (const FileFault& fault : round.folder.faults) {
    list.push_back({{"file", fault.file}, {"problem", fault.problem}});
  }
  return list;
}

json alarms(const std::vector<Alarm>& raised) {
  json list = json::array();
  for (const Alarm& alarm : raised) {
    list.push_back({{"kind", kind_name(alarm.condition.kind)},
                    {"subject", alarm.condition.subject},
                    {"reason", alarm.condition.reason},
                    {"since", format_utc_time(alarm.raised)},
                    {"state", alarm.acknowledged ? "acknowledged" : "active"}});
  }
  return list;
}

json events(const std::vector<AlarmEvent>& happened) {
  json list = json::array();
  for (const AlarmEvent& event : happened) {
    list.push_back({{"what", what_name(event.what)},
                    {"kind", kind_name(event.alarm.condition.kind)},
                    {"subject", event.alarm.condition.subject},
                    {"reason", event.alarm.condition.reason},
                    {"at", format_utc_time(event.at)}});
  }
  return list;
}

}  // namespace

std::string live_json(const LiveState& state) {
  const std::optional<Round>& round = state.round;
  json plan = nullptr;
  json report = json::array();
  if (round && round->answer && round->answer->plan) {
    const auto& advised = round->answer->advisory;
    plan = hurricane::json::plan_json(*round->answer->plan,
                                      advised ? advised->storm.storm.next_advisory : std::nullopt);
    report = plan["report"];
  }
  json document = {
      {"version", kLiveVersion},
      {"updated", format_utc_time(state.updated)},
      {"advice_time", round ? json(format_utc_time(round->advice_time)) : json(nullptr)},
      {"own_ship", own_ship(state)},
      {"position_lost", state.position_lost.empty() ? json(nullptr) : json(state.position_lost)},
      {"storms", round ? storms(*round) : json::array()},
      {"files_unread", round ? files_unread(*round) : json::array()},
      {"plan", plan},
      {"report", report},
      {"no_answer", round && round->no_answer ? json(*round->no_answer) : json(nullptr)},
      {"alarms", alarms(state.alarms)},
      {"events", events(state.events)}};
  // Replacing bad UTF-8 keeps a file's name or fault that quotes raw bytes from throwing.
  return document.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace hurricane::watch
