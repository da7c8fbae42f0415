#include "watch/watch_round.h"

#include <algorithm>
#include <cmath>

#include "answer/advice_time.h"
#include "situation/utc_time.h"

namespace hurricane::watch {
namespace {

using navigation::format_day_time;
using navigation::hours_between;

// The advisories' own alarms (stale, overdue), and whether the storm can be advised on.
bool judge_storm(const FolderStorm& s, UtcTime advice, std::vector<Condition>& conditions) {
  const UtcTime analysis = s.storm.fix.time;
  if (hours_between(analysis, advice) > answer::kRefusedAfterH) {
    conditions.push_back({AlarmKind::kAdvisoryStale, s.file,
                          "analysis " + format_day_time(analysis) + " is over " +
                              std::to_string(static_cast<int>(answer::kRefusedAfterH)) +
                              " h old: left out"});
    return false;
  }
  if (hours_between(advice, analysis) > answer::kEarliestBeforeAnalysisH) {
    conditions.push_back({AlarmKind::kAdvisoryStale, s.file,
                          "analysis " + format_day_time(analysis) +
                              " is later than the advice time can place: left out"});
    return false;
  }
  if (auto stale = answer::stale_warning(analysis, advice)) {
    conditions.push_back({AlarmKind::kAdvisoryStale, s.file, *stale});
  }
  const auto& next = s.storm.next_advisory;
  if (next && hours_between(*next, advice) > kOverdueAfterH) {
    conditions.push_back({AlarmKind::kAdvisoryOverdue, s.file,
                          "the next advisory was due " + format_day_time(*next)});
  }
  return true;
}

// The plan's alarms.
void judge_plan(const plan::Plan& plan, UtcTime advice, double alarm_hours,
                std::vector<Condition>& conditions) {
  if (!plan.judged) return;
  if (plan.voyage_clear_until && hours_between(advice, *plan.voyage_clear_until) < alarm_hours) {
    conditions.push_back(
        {AlarmKind::kCourseMeetsDanger, "",
         "holding the voyage is clear only until " + format_day_time(*plan.voyage_clear_until)});
  }
  if (plan.decide_by.kind == plan::DecideBy::Kind::kNow) {
    conditions.push_back({AlarmKind::kDecideSoon, "", "leave the voyage now"});
  } else if (plan.decide_by.kind == plan::DecideBy::Kind::kAt &&
             hours_between(advice, plan.decide_by.at) <= kDecideSoonH) {
    conditions.push_back(
        {AlarmKind::kDecideSoon, "", "decide by " + format_day_time(plan.decide_by.at)});
  }
  if (plan.reduced_sea_room_nm) {
    conditions.push_back({AlarmKind::kSeaRoomReduced, "",
                          "no plan keeps clear " + std::to_string(std::lround(plan.sea_room_nm)) +
                              " nm off the shore; the plan keeps " +
                              std::to_string(std::lround(*plan.reduced_sea_room_nm)) + " nm"});
  }
  if (!plan.keeps_clear) {
    conditions.push_back({AlarmKind::kNoPlanClear, "",
                          plan.meets > 0
                              ? "every plan meets the " + std::to_string(plan.meets) + "-kt winds"
                              : "no plan keeps clear"});
  }
}

// The advice time: --at read as `advise` reads it (against the newest analysis), else now.
std::optional<UtcTime> advice_time(const WatchSettings& settings, const FolderAdvisories& folder,
                                   UtcTime now, std::string& problem) {
  if (!settings.at) return now;
  std::optional<UtcTime> newest;
  for (const FolderStorm& s : folder.storms) {
    if (!newest || s.storm.fix.time > *newest) newest = s.storm.fix.time;
  }
  const auto read = situation::parse_time(Field::kAt, *settings.at, {now, newest});
  if (!read.ok()) {
    problem = "--at: " + read.error().problem;
    return std::nullopt;
  }
  return read.value();
}

}  // namespace

Round make_round(const WatchSettings& settings, const std::string& ship, FolderAdvisories folder,
                 UtcTime now) {
  Round round;
  round.folder = std::move(folder);
  for (const FileFault& fault : round.folder.faults) {
    round.conditions.push_back({AlarmKind::kUnreadableFile, fault.file, fault.problem});
  }
  std::string problem;
  const std::optional<UtcTime> advice = advice_time(settings, round.folder, now, problem);
  if (!advice) {
    round.advice_time = now;
    round.no_answer = problem;
    return round;
  }
  round.advice_time = *advice;
  std::vector<const FolderStorm*> usable;
  for (const FolderStorm& s : round.folder.storms) {
    if (judge_storm(s, *advice, round.conditions)) usable.push_back(&s);
  }
  if (usable.empty()) {
    round.no_answer = "no advisory in the folder to advise on";
    return round;
  }
  // The storm of the latest fix first: the classic advice is on it.
  std::stable_sort(usable.begin(), usable.end(), [](const FolderStorm* a, const FolderStorm* b) {
    return a->storm.fix.time > b->storm.fix.time;
  });
  answer::Request request = settings.base;
  request.situation.ship = ship;
  request.situation.at = navigation::format_utc_time(*advice);
  const answer::AdvisoryInput base_input = request.advisory.value_or(answer::AdvisoryInput{});
  request.advisory =
      answer::AdvisoryInput{usable.front()->bytes, usable.front()->read_id, base_input.margin};
  for (const FolderStorm* s : usable) {
    round.advised_files.push_back(s->file);
    if (s != usable.front()) request.more_storms.push_back(s->storm);
  }
  Result<answer::Answer> answered = answer::answer(request);
  if (!answered.ok()) {
    const Error& error = answered.error();
    round.no_answer = usable.front()->file + ": " +
                      (error.line > 0 ? "line " + std::to_string(error.line) + ": " : "") +
                      error.problem;
    return round;
  }
  round.answer = std::move(answered.value());
  if (round.answer->plan) {
    judge_plan(*round.answer->plan, *advice, settings.alarm_hours, round.conditions);
  }
  return round;
}

}  // namespace hurricane::watch
