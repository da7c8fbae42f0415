// The advice of one situation as a JSON object; its keys are fixed by docs/advice.schema.json.
#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

#include "analysis/advice.h"
#include "situation/situation.h"

namespace hurricane::json {

// The version of docs/advice.schema.json the document follows; raised whenever a key is
// added or changes its meaning. 2: "schema_version"; advice_b's course_deg is null without a
// course to steer. 3: "land", and each escape's "land_at_h" and "land_at". 4: an advisory storm
// without 34-kt winds and no keep is answered: the classic keys null (report and notes empty)
// and "classic_needs" says what is missing; each forecast storm's "error_model". 5: why [F]'s
// courses are shut and how it chose. 6: "verdict", "dangerous_side", "keep_wind_on"; [F]'s lines
// ("forecast.report") and the facts they state; every course 0..359 (the classic ranges were
// 1..360).
inline constexpr int kSchemaVersion = 6;

// advice_json: "schema_version", "version", "hemisphere", "situation" (the values the analysis
// used, full precision), "derived" (only when positions or fixes were used), "advice_a",
// "advice_b", "dangerous_quarter", "area", "dangerous_side", "keep_wind_on", "verdict",
// "report" (the classic result lines, byte for byte) and "warnings". `advice` must be the advice
// for `situation`.
nlohmann::ordered_json advice_json(const situation::Situation& situation,
                                   const analysis::Advice& advice, std::string_view version);

// advice_json_without_classic: the same keys for a situation the classic advice cannot be given
// for: "situation" with keep_nm null, "advice_a", "land", "advice_b", "dangerous_quarter" and
// "area" null, "report" and "notes" empty.
nlohmann::ordered_json advice_json_without_classic(const situation::Situation& situation,
                                                   std::string_view version);

}  // namespace hurricane::json
