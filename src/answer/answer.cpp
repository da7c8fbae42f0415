#include "answer/answer.h"

#include <cmath>

#include <optional>
#include <utility>

#include "advisory/storms_of_input.h"
#include "answer/board_forecast.h"
#include "answer/board_plan.h"
#include "answer/escape_land.h"
#include "answer/plan_for.h"

namespace hurricane::answer {

namespace {

Answer advised(situation::Situation situation) {
  Answer a;
  a.advice = analysis::advise(analysis::round_values(situation.answers), situation.hemisphere);
  a.situation = std::move(situation);
  return a;
}

// The escapes held against the shoreline; a failure of the ship's input when it lies on land.
std::optional<Error> hold_against_land(const Request& request, Answer& a) {
  if (!request.shoreline) {
    if (a.advice) answer::land_turned_off(a.situation, *a.advice);
    return std::nullopt;
  }
  auto refused = a.advice ? answer::check_escapes(*request.shoreline, a.situation, *a.advice)
                          : answer::ship_on_land(*request.shoreline, a.situation);
  // The value as the navigator gave it, where there is one (an advisory's ship is given too).
  if (refused && request.situation.ship) refused->value = *request.situation.ship;
  return refused;
}

// The course the classic advice names: [A]'s recommended escape (the first off land), else the
// course for [B]'s largest CPA; none when it names neither (every course open, or the storm
// moving away).
std::optional<int> classic_course(const analysis::Advice& advice) {
  if (const auto k = analysis::recommended_escape(advice.courses)) {
    return advice.courses.escapes[*k].course;
  }
  if (advice.max_cpa.course && !advice.max_cpa.ship_cannot_move) {
    return static_cast<int>(std::lround(*advice.max_cpa.course)) % 360;
  }
  return std::nullopt;
}

}  // namespace

Result<Answer> answer(const Request& request) {
  if (request.advisory) {
    auto formed = answer::situation_from_advisory(*request.advisory, request.situation);
    if (!formed.ok()) return formed.error();
    answer::AdvisedSituation& from = formed.value();
    Answer a;
    if (from.classic_needs) {
      a.situation = std::move(from.situation);
      a.classic_needs = std::move(from.classic_needs);
    } else {
      a = advised(std::move(from.situation));
    }
    a.advisory = AdvisoryProvenance{std::move(from.advised), std::move(from.keep_source),
                                    from.fix_age_hours, from.centre, std::move(from.stale)};
    if (a.advice) a.advice->drawing.forecast = board_forecast(a.advisory->storm.storm, a.situation);
    if (auto failure = hold_against_land(request, a)) return std::move(*failure);
    if (request.forecast.enabled) {
      const advisory::Storm& classic = a.advisory->storm.storm;
      std::vector<advisory::Storm> storms = {classic};
      if (const auto error = advisory::add_storms(request.advisory->text, classic.id, storms)) {
        return *error;
      }
      storms.insert(storms.end(), request.more_storms.begin(), request.more_storms.end());
      answer::ForecastOptions options = request.forecast;
      if (request.route) {
        if (auto failure = steer_by_route(*request.route, a.situation, options)) return *failure;
      }
      a.forecast = answer::forecast_for(storms, a.situation, options, request.shoreline);
      if (options.plan)
        a.plan = plan_for(*a.forecast, a.situation, options, request.route, request.shoreline);
      if (a.plan && a.plan->judged && a.advice && a.situation.derived &&
          a.situation.derived->ship) {
        a.advice->drawing.plan = board_plan(*a.plan, *a.situation.derived->ship);
      }
      if (a.forecast->advice && a.advice) {
        if (const std::optional<int> course = classic_course(*a.advice)) {
          forecast::compare_with_classic(*a.forecast->advice, *course);
        }
      }
      a.forecast_storms = std::move(storms);
    }
    return a;
  }
  Result<situation::Situation> formed = situation::form_situation(request.situation);
  if (!formed.ok()) return formed.error();
  Answer a = advised(std::move(formed.value()));
  if (auto failure = hold_against_land(request, a)) return std::move(*failure);
  return a;
}

}  // namespace hurricane::answer
