// Advice [F] for the ship of a situation against the forecasts of the storms read.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "advisory/storm.h"
#include "answer/forecast_options.h"
#include "forecast/advice.h"
#include "forecast/track.h"
#include "land/land.h"
#include "situation/situation.h"

namespace hurricane::answer {

struct ForecastOutcome {
  std::optional<forecast::ForecastAdvice> advice;
  std::string no_forecast;  // without advice: why, e.g. a best track holds no forecast
  std::vector<forecast::StormTrack> tracks;  // with advice: the storms' tracks it judged
};

// Per speed of `request`'s sweep and whole-degree course: the hour its track first meets land
// within the request's horizon, or none.
forecast::LandHours land_hours(const land::Land& shoreline, const forecast::SweepRequest& request);

// The sweep for the ship at `situation`'s position and time (the storm's time: the fix or
// --at) at its full speed, against every storm of `storms` that holds a forecast, each with the
// cone table of its own basin and season.
// With `shoreline`, every course and speed is held against land over the requested horizon.
ForecastOutcome forecast_for(const std::vector<advisory::Storm>& storms,
                             const situation::Situation& situation, const ForecastOptions& options,
                             const land::Land* shoreline = nullptr);

}  // namespace hurricane::answer
