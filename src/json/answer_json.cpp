#include "json/answer_json.h"

#include "json/advice_json.h"
#include "json/advisory_json.h"
#include "json/forecast_json.h"
#include "json/keys.h"

namespace hurricane::json {

nlohmann::ordered_json answer_json(const answer::Answer& answer, std::string_view version) {
  nlohmann::ordered_json object = answer.advice
                                      ? advice_json(answer.situation, *answer.advice, version)
                                      : advice_json_without_classic(answer.situation, version);
  if (answer.classic_needs) {
    object["classic_needs"] = {
        {"input", situation::field_id(answer.classic_needs->field)},
        {"message", situation::worded(answer.classic_needs->problem, key_words)}};
  }
  if (answer.advisory) {
    object["advisory"] = advisory_json(answer.advisory->storm, answer.advisory->keep_source);
  }
  if (answer.forecast) {
    object["forecast"] = answer.forecast->advice
                             ? forecast_json(*answer.forecast->advice)
                             : forecast_json_without(answer.forecast->no_forecast);
  }
  return object;
}

}  // namespace hurricane::json
