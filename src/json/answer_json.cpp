#include "json/answer_json.h"

#include <cmath>

#include "json/advice_json.h"
#include "json/advisory_json.h"
#include "json/forecast_json.h"
#include "json/keys.h"
#include "json/plan_json.h"

namespace hurricane::json {
namespace {

const char* centre_source_name(answer::CentreSource source) {
  switch (source) {
    case answer::CentreSource::kAnalysis:
      return "analysis";
    case answer::CentreSource::kPresentMotion:
      return "present_motion";
    case answer::CentreSource::kForecastTrack:
      return "forecast_track";
  }
  return "analysis";
}

// The advisory against the advice time: its age, whether stale, how the centre was brought there.
nlohmann::ordered_json advice_time_json(const answer::AdvisoryProvenance& advisory) {
  return {{"age_h", std::round(advisory.fix_age_hours * 10.0) / 10.0},
          {"stale", advisory.stale.has_value()},
          {"centre_at_advice", centre_source_name(advisory.centre.source)}};
}

}  // namespace

nlohmann::ordered_json answer_json(const answer::Answer& answer, std::string_view version) {
  nlohmann::ordered_json object = answer.advice
                                      ? advice_json(answer.situation, *answer.advice, version)
                                      : advice_json_without_classic(answer.situation, version);
  if (answer.classic_needs) {
    object["classic_needs"] = {{"input", field_id(answer.classic_needs->field)},
                               {"message", worded(answer.classic_needs->problem, key_words)}};
  }
  if (answer.advisory) {
    object["advisory"] = advisory_json(answer.advisory->storm, answer.advisory->keep_source);
    object["advisory"].update(advice_time_json(*answer.advisory));
  }
  if (answer.forecast) {
    object["forecast"] = answer.forecast->advice
                             ? forecast_json(*answer.forecast->advice)
                             : forecast_json_without(answer.forecast->no_forecast);
  }
  if (answer.plan) {
    object["plan"] = plan_json(
        *answer.plan, answer.advisory ? answer.advisory->storm.storm.next_advisory : std::nullopt);
  }
  return object;
}

}  // namespace hurricane::json
