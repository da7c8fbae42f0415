// The storm along an advisory's forecast as the maneuvering board shows it: its centre and wind
// radii now and some hours ahead, seen from the ship.
#pragma once

#include <optional>

#include "advisory/storm.h"
#include "analysis/advice.h"
#include "navigation/position.h"
#include "situation/situation.h"

namespace hurricane::answer {

// `at` seen from `ship`: the geodesic's length along its initial azimuth, as the board's range
// rings and bearings read it (and as the situation takes the storm's distance and bearing).
analysis::Offset board_offset(const navigation::LatLon& ship, const navigation::LatLon& at);

// Hours after the advice time at which the board shows the storm ahead of now.
inline constexpr double kBoardHoursAhead[] = {12.0, 24.0, 48.0};

// board_forecast: the storm of `storm` at the advice time of `situation` and at
// kBoardHoursAhead as far as its forecast reaches, from the ship's position; nothing when the
// storm holds no forecast or the situation no ship's position and time.
std::optional<analysis::ForecastTrack> board_forecast(const advisory::Storm& storm,
                                                      const situation::Situation& situation);

}  // namespace hurricane::answer
