#include "server/advice_answer.h"

#include <nlohmann/json.hpp>
#include <string_view>
#include <variant>

#include "answer/advisory_chart.h"
#include "answer/answer.h"
#include "answer/board_plan.h"
#include "json/answer_json.h"
#include "picture/maneuvering_board.h"
#include "route/read_route.h"
#include "server/advice_query.h"
#include "server/shoreline.h"
#include "situation/situation.h"

namespace hurricane::server {

namespace {

// The input a situation error is about; for a fix, which of the two, so a form can mark it.
std::string error_field(const Error& error, const situation::Request& request) {
  if (error.field == Field::kStormFix && request.storm_fixes.size() == 2) {
    for (std::size_t i = 0; i < 2; ++i) {
      if (!error.value.empty() && request.storm_fixes[i] == error.value) {
        return "fixes[" + std::to_string(i) + "]";
      }
    }
  }
  return api_field(error.field);
}

}  // namespace

Reply advice_reply(std::string_view body) {
  const Result<AdviceQuery> parsed = parse_advice_query(body);
  if (!parsed.ok()) {
    const Error& error = parsed.error();
    return error_reply(400, api_message(error), api_error_field(error), api_words(error));
  }
  const AdviceQuery& query = parsed.value();
  answer::Request request{query.request, std::nullopt, held_shoreline()};
  if (query.advisory || query.storm_id || query.margin_nm) {
    // The text stays in `query`, which outlives the answer.
    const std::string_view text = query.advisory ? std::string_view(*query.advisory) : "";
    request.advisory = answer::AdvisoryInput{text, query.storm_id.value_or(""), query.margin_nm};
    request.forecast = query.forecast;
  }
  if (query.route && request.advisory) {
    Result<route::Route> read = route::read_route(*query.route, "route");
    if (!read.ok()) {
      const Error& error = read.error();
      return error_reply(400, api_message(error), "route", api_words(error));
    }
    request.route = answer::VoyageRoute{std::move(read.value()), "route"};
  }
  const Result<answer::Answer> answered = answer::answer(request);
  if (!answered.ok()) {
    const Error& error = answered.error();
    const std::string field = error_field(error, query.request);
    // The template names the very fix, so a form can put that fix's label.
    std::string words = api_words(error);
    const std::string whole = "{" + std::string(api_field(error.field)) + "}";
    if (field != api_field(error.field) && words.starts_with(whole)) {
      words.replace(0, whole.size(), "{" + field + "}");
    }
    return error_reply(400, api_message(error), field, words);
  }
  // The document of `advise --format json`, and the picture of the same advice.
  const answer::Answer& a = answered.value();
  nlohmann::ordered_json document = json::answer_json(a, HURRICANE_VERSION);
  if (a.classic_needs) {
    // Named as the API's body names it.
    document["classic_needs"] = {{"input", api_field(a.classic_needs->field)},
                                 {"message", api_message(*a.classic_needs)},
                                 {"template", api_words(*a.classic_needs)}};
  }
  document["svg"] = a.advice ? nlohmann::ordered_json(picture::maneuvering_board(
                                   answer::board_advice(a, held_shoreline()), {query.night}))
                             : nlohmann::ordered_json(nullptr);
  // With an advisory's [F] advice, its chart over the shoreline the escapes were held against.
  if (a.forecast) {
    const auto drawn = answer::advisory_chart(a, held_shoreline(), query.night);
    if (drawn.ok()) document["chart"] = drawn.value();
  }
  return Reply{200, "application/json", document.dump(), ""};
}

}  // namespace hurricane::server
