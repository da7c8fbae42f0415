#include "server/advice_answer.h"

#include <nlohmann/json.hpp>
#include <variant>

#include "analysis/advice.h"
#include "json/advice_json.h"
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

}  // namespace

Reply advice_reply(std::string_view body) {
  const auto parsed = parse_advice_query(body);
  if (const auto* failure = std::get_if<QueryError>(&parsed)) {
    return error_reply(400, failure->message, failure->field);
  }
  const AdviceQuery& query = std::get<AdviceQuery>(parsed);
  if (query.advisory || query.storm_id || query.margin_nm) {
    return error_reply(400, "advisory: this server does not read advisories yet", "advisory");
  }

  // From here on exactly what `advise --format json` does with the same request.
  const situation::Result<situation::Situation> formed = situation::form_situation(query.request);
  if (!formed.ok()) {
    return error_reply(400, api_message(formed.error()),
                       error_field(formed.error(), query.request));
  }
  const situation::Situation& situation = formed.value();
  const analysis::Advice advice =
      analysis::advise(analysis::round_values(situation.answers), situation.hemisphere);
  nlohmann::ordered_json document = json::advice_json(situation, advice, HURRICANE_VERSION);
  document["svg"] = "";
  return Reply{200, "application/json", document.dump(), ""};
}

}  // namespace hurricane::server
