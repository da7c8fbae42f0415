// The answer of `advise --format json` and of the API: the advice document, with the
// "advisory" object when the storm came from an advisory.
#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

#include "answer/answer.h"

namespace hurricane::json {

// answer_json: advice_json of the answer (advice_json_without_classic without classic advice,
// then "classic_needs" {input, message}: the input named as the command line does), and
// "advisory" (advisory_json) when it has one.
nlohmann::ordered_json answer_json(const answer::Answer& answer, std::string_view version);

}  // namespace hurricane::json
