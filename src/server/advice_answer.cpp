#include "server/advice_answer.h"

#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <variant>

#include "advisory_chart/advisory_chart.h"
#include "advisory_forecast/forecast_for.h"
#include "advisory_forecast/storms_of_input.h"
#include "advisory_situation/situation_from_advisory.h"
#include "analysis/advice.h"
#include "json/advice_json.h"
#include "json/advisory_json.h"
#include "json/forecast_json.h"
#include "picture/maneuvering_board.h"
#include "server/advice_query.h"
#include "situation/situation.h"

namespace hurricane::server {

namespace {

// The input a situation error is about; for a fix, which of the two, so a form can mark it.
std::string error_field(const situation::Error& error, const situation::Request& request) {
  if (error.field == situation::Field::kStormFix && request.storm_fixes.size() == 2) {
    for (std::size_t i = 0; i < 2; ++i) {
      if (!error.value.empty() && request.storm_fixes[i] == error.value) {
        return "fixes[" + std::to_string(i) + "]";
      }
    }
  }
  return api_field(error.field);
}

// An advisory's fault names its line, as the command line does.
std::string failure_message(const advisory_situation::Failure& failure) {
  if (failure.error.field != situation::Field::kAdvisory || failure.line == 0) {
    return api_message(failure.error);
  }
  return "advisory: line " + std::to_string(failure.line) + ": " + failure.error.problem;
}

// Draws the chart of an answer from its classic advice; nothing when there is none to draw.
using ChartDrawer = std::function<std::optional<std::string>(const analysis::Advice&)>;

// The document of `advise --format json`, plus the picture of the same advice; `extra` is
// added before the picture, as `advise` adds it. With an advisory's forecast, its chart follows.
Reply answer(const situation::Situation& situation, bool night,
             const nlohmann::ordered_json& extra = nlohmann::ordered_json::object(),
             const ChartDrawer& chart = {}) {
  const analysis::Advice advice =
      analysis::advise(analysis::round_values(situation.answers), situation.hemisphere);
  nlohmann::ordered_json document = json::advice_json(situation, advice, HURRICANE_VERSION);
  for (const auto& [key, value] : extra.items()) document[key] = value;
  document["svg"] = picture::maneuvering_board(advice, {night});
  if (chart) {
    if (auto drawn = chart(advice)) document["chart"] = std::move(*drawn);
  }
  return Reply{200, "application/json", document.dump(), ""};
}

}  // namespace

Reply advice_reply(std::string_view body) {
  const auto parsed = parse_advice_query(body);
  if (const auto* failure = std::get_if<QueryError>(&parsed)) {
    return error_reply(400, failure->message, failure->field);
  }
  const AdviceQuery& query = std::get<AdviceQuery>(parsed);
  // From here on exactly what `advise --format json` does with the same inputs.
  if (query.advisory || query.storm_id || query.margin_nm) {
    const auto formed = advisory_situation::situation_from_advisory(
        {query.advisory.value_or(""), query.storm_id.value_or(""), query.margin_nm}, query.request);
    if (const auto* failure = std::get_if<advisory_situation::Failure>(&formed)) {
      return error_reply(400, failure_message(*failure),
                         error_field(failure->error, query.request));
    }
    const auto& advised = std::get<advisory_situation::AdvisedSituation>(formed);
    nlohmann::ordered_json extra = {
        {"advisory", json::advisory_json(advised.advised, advised.keep_source)}};
    std::vector<advisory::Storm> storms = {advised.advised.storm};
    advisory_forecast::ForecastOutcome outcome;
    if (query.forecast.enabled) {
      if (const auto error = advisory_forecast::add_storms(query.advisory.value_or(""),
                                                           advised.advised.storm.id, storms)) {
        return error_reply(400,
                           "advisory: line " + std::to_string(error->line) + ": " + error->message,
                           "advisory");
      }
      outcome = advisory_forecast::forecast_for(storms, advised.situation, query.forecast);
      extra["forecast"] = outcome.advice ? json::forecast_json(*outcome.advice)
                                         : json::forecast_json_without(outcome.no_forecast);
    }
    const ChartDrawer chart = [&](const analysis::Advice& classic) -> std::optional<std::string> {
      const auto drawn =
          advisory_chart::advisory_chart({.forecast = outcome,
                                          .storms = storms,
                                          .situation = advised.situation,
                                          .classic = classic,
                                          .shoreline = advisory_chart::default_shoreline(),
                                          .night = query.night});
      if (const auto* svg = std::get_if<0>(&drawn)) return *svg;
      return std::nullopt;
    };
    return answer(advised.situation, query.night, extra, chart);
  }
  const situation::Result<situation::Situation> formed = situation::form_situation(query.request);
  if (!formed.ok()) {
    return error_reply(400, api_message(formed.error()),
                       error_field(formed.error(), query.request));
  }
  return answer(formed.value(), query.night);
}

}  // namespace hurricane::server
