// The escape plan for the ship of a situation, along the forecasts advice [F] judged.
#pragma once

#include <optional>

#include "answer/forecast_for.h"
#include "answer/voyage_route.h"
#include "plan/plan.h"

namespace hurricane::answer {

// The plan against `outcome`'s tracks, with [F]'s error model, horizon and the ship's full
// speed; bound for options.plan_to, else along `route`, else along the voyage course, else
// nowhere. Nothing without [F]'s advice or the ship's position and time.
std::optional<plan::Plan> plan_for(const ForecastOutcome& outcome,
                                   const situation::Situation& situation,
                                   const ForecastOptions& options,
                                   const std::optional<VoyageRoute>& route,
                                   const land::Land* shoreline);

}  // namespace hurricane::answer
