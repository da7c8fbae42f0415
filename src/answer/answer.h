// One answer for every front-end: what the navigator gave becomes the situation, the advice on
// it and, with an advisory, what the advisory said. The command line, the server and the page
// only read their inputs into a Request and format the Answer.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "advisory/storm.h"
#include "analysis/advice.h"
#include "answer/forecast_for.h"
#include "answer/forecast_options.h"
#include "answer/situation_from_advisory.h"
#include "answer/voyage_route.h"
#include "land/land.h"
#include "plan/plan.h"
#include "situation/situation.h"

namespace hurricane::answer {

// What a front-end was given: the situation's inputs (six values, positions or fixes, `at`,
// the hemisphere), and the storm from an advisory's text instead of its own inputs.
struct Request {
  Request() = default;
  Request(situation::Request given, std::optional<answer::AdvisoryInput> text,
          const land::Land* land = nullptr)
      : situation(std::move(given)), advisory(std::move(text)), shoreline(land) {}

  situation::Request situation;
  std::optional<answer::AdvisoryInput> advisory;  // its text must outlive the call
  // The shoreline the escapes are held against when the ship's position is given; null leaves
  // land out, and the answer says so. The front-end loads it once and keeps it.
  const land::Land* shoreline = nullptr;
  answer::ForecastOptions forecast;          // advice [F], with an advisory
  std::vector<advisory::Storm> more_storms;  // further storms for [F], read by the front-end
  // The route the voyage follows: [F]'s voyage course toward its next waypoint, in place of
  // forecast.voyage_course_deg.
  std::optional<VoyageRoute> route;
};

// Where the storm came from, when from an advisory.
struct AdvisoryProvenance {
  answer::AdvisedStorm storm;
  std::string keep_source;           // how the distance to keep was formed (or that it was given)
  double fix_age_hours = 0;          // from the advisory's fix to `at`; 0 without `at`
  answer::CentreAtAdvice centre;     // how the centre was brought to `at`
  std::optional<std::string> stale;  // the STALE warning, said first, when the fix is old
};

// The whole answer. Each stage of the advice has its member here, so every front-end gets it.
struct Answer {
  situation::Situation situation;
  // The classic advice ([A], [B], verdict); absent when `classic_needs` says what it lacks.
  std::optional<analysis::Advice> advice;
  // Why there is no classic advice: an advisory storm without 34-kt winds and no keep given.
  // The answer still holds advice [F] and is not a failure.
  std::optional<Error> classic_needs;
  std::optional<AdvisoryProvenance> advisory;  // present when the request had an advisory
  // Advice [F]: present with an advisory unless left out; without a forecast it says why.
  std::optional<answer::ForecastOutcome> forecast;
  std::vector<advisory::Storm> forecast_storms;  // the storms [F] read, the classic one first
  // The escape plan along the same forecasts, when asked for and [F] judged a storm.
  std::optional<plan::Plan> plan;
};

// answer: the situation formed from `request`, the advice on it and the advisory's
// provenance; or the error naming the input at fault (and the advisory's line). Pure: no I/O.
Result<Answer> answer(const Request& request);

}  // namespace hurricane::answer
