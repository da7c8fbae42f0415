#include "watch/watchkeeper.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "situation/position.h"

namespace hurricane::watch {
namespace {

// The position as the situation reads it, to 1e-5 degree (about a metre).
std::string position_text(const navigation::LatLon& at) {
  char text[48];
  std::snprintf(text, sizeof text, "%.5f,%.5f", at.lat, at.lon);
  return text;
}

bool voyage_set(const WatchSettings& settings) {
  const answer::ForecastOptions& f = settings.base.forecast;
  return f.voyage_course_deg || f.plan_to || settings.base.route;
}

// A course over ground as the voyage's course: the whole degree, 0..359.
double whole_course(double cog_deg) {
  const double whole = std::round(std::fmod(cog_deg, 360.0));
  return whole >= 360.0 ? whole - 360.0 : (whole < 0.0 ? whole + 360.0 : whole);
}

}  // namespace

bool needs_answer(const Fix& answered, const Fix& fix) {
  // Either way: a replayed log that starts again is a new hour too.
  const auto apart = fix.time > answered.time ? fix.time - answered.time : answered.time - fix.time;
  if (apart >= kAnswerEvery) return true;
  if (answered.cog_deg.has_value() != fix.cog_deg.has_value()) return true;
  if (fix.cog_deg &&
      std::abs(std::remainder(*fix.cog_deg - *answered.cog_deg, 360.0)) > kCourseChangeDeg) {
    return true;
  }
  if (answered.sog_kn.has_value() != fix.sog_kn.has_value()) return true;
  return fix.sog_kn && std::abs(*fix.sog_kn - *answered.sog_kn) > kSpeedChangeKn;
}

Watchkeeper::Watchkeeper(WatchSettings settings, std::optional<std::string> fixed_ship,
                         std::string fix_source)
    : settings_(std::move(settings)), fixed_ship_(std::move(fixed_ship)) {
  state_.fix_source = std::move(fix_source);
}

void Watchkeeper::advisories(FolderAdvisories folder, UtcTime clock, Arrival now) {
  if (!started_) started_ = now;
  folder_ = std::move(folder);
  answer(clock, now);
}

void Watchkeeper::fix(const Fix& fix, Arrival now, UtcTime clock) {
  if (!started_) started_ = now;
  judge_.take(fix, now);
  const own_ship::Judged judged = judge_.at(now);
  if (judged.fix) {
    last_fix_ = judged.fix;
    last_arrival_ = now;
  }
  if (judged.fix && (!answered_fix_ || needs_answer(*answered_fix_, *judged.fix))) {
    answer(clock, now);
  } else {
    hold_alarms(clock, now);
  }
}

void Watchkeeper::tick(UtcTime clock, Arrival now) {
  if (!started_) started_ = now;
  if (fixed_ship_ && folder_ && now - answered_at_ >= kAnswerEvery) {
    answer(clock, now);
    return;
  }
  hold_alarms(clock, now);
}

bool Watchkeeper::acknowledge(std::string_view kind, std::string_view subject, UtcTime clock,
                              Arrival now) {
  for (const Alarm& alarm : book_.raised()) {
    if (kind_name(alarm.condition.kind) != kind || alarm.condition.subject != subject) continue;
    auto event = book_.acknowledge(alarm.condition.kind, subject, watch_time(clock, now));
    if (event) record({*event});
    state_.alarms = book_.raised();
    return true;
  }
  return false;
}

std::vector<AlarmEvent> Watchkeeper::take_events() {
  return std::exchange(pending_, {});
}

bool Watchkeeper::take_changed() {
  return std::exchange(changed_, false);
}

void Watchkeeper::answer(UtcTime clock, Arrival now) {
  if (!folder_) return;
  if (fixed_ship_) {
    state_.round = make_round(settings_, *fixed_ship_, *folder_, clock);
    answered_at_ = now;
    const auto at = situation::parse_position(Field::kShip, *fixed_ship_);
    if (at.ok()) state_.own_ship = Fix{at.value(), {}, {}, state_.round->advice_time, "fixed"};
  } else {
    const own_ship::Judged judged = judge_.at(now);
    if (!judged.fix) {
      hold_alarms(clock, now);
      return;
    }
    // The present course is the voyage unless the navigator set one; the fix's own time is
    // the advice time, so a replayed log is judged at its own hour.
    WatchSettings live = settings_;
    live.at.reset();
    if (!voyage_set(settings_) && judged.fix->cog_deg) {
      live.base.forecast.voyage_course_deg = whole_course(*judged.fix->cog_deg);
    }
    state_.round =
        make_round(live, position_text(judged.fix->position), *folder_, judged.fix->time);
    answered_fix_ = judged.fix;
    state_.own_ship = judged.fix;
  }
  changed_ = true;
  hold_alarms(clock, now);
}

void Watchkeeper::hold_alarms(UtcTime clock, Arrival now) {
  std::vector<Condition> holding;
  if (state_.round) {
    holding = state_.round->conditions;
  } else if (folder_) {
    // No answer yet (no fix): the files that cannot be read are known all the same.
    for (const FileFault& fault : folder_->faults) {
      holding.push_back({AlarmKind::kUnreadableFile, fault.file, fault.problem});
    }
  }
  std::string lost;
  if (!fixed_ship_) {
    const own_ship::Judged judged = judge_.at(now);
    // A receiver takes a moment to give its first fix: lost only after the same grace.
    const bool waiting_first =
        !last_fix_ && judged.lost == own_ship::kNoFixYet && now - *started_ <= own_ship::kLostAfter;
    if (!judged.fix && !waiting_first) lost = judged.lost;
    if (judged.fix) state_.own_ship = judged.fix;
  }
  if (!lost.empty()) holding.push_back({AlarmKind::kPositionLost, "", lost});
  if (lost != state_.position_lost) {
    state_.position_lost = lost;
    changed_ = true;
  }
  record(book_.hold(holding, watch_time(clock, now)));
  state_.alarms = book_.raised();
  state_.updated = clock;
}

UtcTime Watchkeeper::watch_time(UtcTime clock, Arrival now) const {
  if (fixed_ship_ || !last_fix_) return state_.round ? state_.round->advice_time : clock;
  return last_fix_->time + std::chrono::duration_cast<std::chrono::seconds>(now - last_arrival_);
}

void Watchkeeper::record(std::vector<AlarmEvent> events) {
  if (events.empty()) return;
  changed_ = true;
  for (AlarmEvent& event : events) {
    state_.events.push_back(event);
    pending_.push_back(std::move(event));
  }
  constexpr std::size_t kEventsKept = 50;
  if (state_.events.size() > kEventsKept) {
    state_.events.erase(state_.events.begin(),
                        state_.events.end() - static_cast<std::ptrdiff_t>(kEventsKept));
  }
}

}  // namespace hurricane::watch
