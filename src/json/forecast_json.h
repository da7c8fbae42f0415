// Advice [F] as the "forecast" member of the JSON answer (docs/advice.schema.json).
#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

#include "forecast/advice.h"

namespace hurricane::json {

// forecast_json: the error model, horizon, storms, per speed the least clearance and its hour
// for every course with the open ranges, staying put, the recommendation and none_open.
nlohmann::ordered_json forecast_json(const forecast::ForecastAdvice& advice);

// forecast_json_without: the member when nothing could be judged, saying why.
nlohmann::ordered_json forecast_json_without(std::string_view reason);

}  // namespace hurricane::json
