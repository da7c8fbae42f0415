// One ship of a fleet: its JSON line read, and its answer as one JSON line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "advisory/storm.h"
#include "answer/forecast_options.h"
#include "land/land.h"

namespace hurricane::cli {

// What every ship is judged against, read once for the whole fleet.
struct FleetStorms {
  std::string advisory_text;                 // the first advisory: the classic advice's storm
  std::string storm_id;                      // of it, when it holds several
  std::vector<advisory::Storm> more_storms;  // every storm of the further advisories, for [F]
  answer::ForecastOptions forecast;          // horizon, cone and margin of advice [F]
  const land::Land* shoreline = nullptr;     // null leaves land out, and each answer says so
};

// The answer to input line `line_number` (1-based) holding `line`: {"id", "classic",
// "forecast"} as `advise --format json` gives them (the classic advice with its land fields,
// advice [F] along every storm's forecast, held against land), or {"id", "line", "error"} when
// the line is not a usable ship: not a JSON object, an unknown field, a missing or unusable id,
// position, speed, course or time, or a position on land.
std::string fleet_answer(std::size_t line_number, std::string_view line, const FleetStorms& storms,
                         std::string_view version);

}  // namespace hurricane::cli
