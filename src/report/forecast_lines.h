// Advice [F] as the text block printed after the classic report.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "forecast/advice.h"

namespace hurricane::report {

// What a line of the block says, so an output can place or mark a line without reading its words.
enum class ForecastPart {
  kBlank,           // the empty line before the heading
  kHeading,         // "==> Along the official forecast [F]:"
  kModel,           // the error model, horizon, window judged and whether land was checked
  kStorm,           // one storm's forecast: its points and when it stops being judged
  kNotJudged,       // no storm's forecast reaches the advice time
  kNoForecast,      // no forecast could be judged, and why
  kCannotMove,      // the ship has no speed
  kOpen,            // the open courses at full speed
  kNoneOpen,        // why no course is open at full speed
  kRecommendation,  // the course (or staying put) chosen, and what it meets
  kStay,            // staying put
  kClassicShut,     // no course open, and the classic advice's course shut too
  kDisagrees,       // [F] and the classic advice name different escapes
};
const char* forecast_part_name(ForecastPart part);  // as in the JSON: "none_open"

struct ForecastLine {
  ForecastPart part = ForecastPart::kBlank;
  std::string text;
};

// The block below as lines that each name their part; its texts are forecast_lines'.
std::vector<ForecastLine> forecast_block(const forecast::ForecastAdvice& advice);
std::vector<ForecastLine> no_forecast_block(std::string_view reason);

// The block: its heading, the model in one line, when each storm stops being judged, the open
// courses at full speed, the recommendation, staying put and the forecast winds met.
std::vector<std::string> forecast_lines(const forecast::ForecastAdvice& advice);

// The block when no forecast could be judged, saying why.
std::vector<std::string> no_forecast_lines(std::string_view reason);

}  // namespace hurricane::report
