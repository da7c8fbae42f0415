// Advice [F] as the text block printed after the classic report.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "forecast/advice.h"

namespace hurricane::report {

// The block: its heading, the model in one line, when each storm stops being judged, the open
// courses at full speed, the recommendation, staying put and the forecast winds met.
std::vector<std::string> forecast_lines(const forecast::ForecastAdvice& advice);

// The block when no forecast could be judged, saying why.
std::vector<std::string> no_forecast_lines(std::string_view reason);

}  // namespace hurricane::report
