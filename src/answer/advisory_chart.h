// The forecast chart of an advisory's situation: advice [F] as the forecast area decided it
// (with the classic advice's course it was compared with), the storms' names and previous
// fixes, over the shoreline.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "advisory/storm.h"
#include "answer/forecast_for.h"
#include "land/shoreline.h"
#include "situation/situation.h"

namespace hurricane::answer {

struct ChartRequest {
  const answer::ForecastOutcome& forecast;     // advice [F] and the tracks it judged
  const std::vector<advisory::Storm>& storms;  // the storms read, the classic one first
  const situation::Situation& situation;       // where the ship is
  const land::Shoreline* shoreline = nullptr;  // the answer's; none draws no land
  bool night = false;
};

// The chart's SVG document, or why there is none (no forecast could be judged).
std::variant<std::string, std::string> advisory_chart(const ChartRequest& request);

}  // namespace hurricane::answer
