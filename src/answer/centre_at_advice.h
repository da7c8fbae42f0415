// Where the advisory puts the storm's centre at the advice time, and how it moves there: along
// the forecast track where it reaches that time, else along the present motion.
#pragma once

#include <optional>

#include "advisory/storm.h"
#include "situation/storm.h"
#include "situation/utc_time.h"

namespace hurricane::answer {

enum class CentreSource {
  kAnalysis,       // the advice time is the analysis time
  kPresentMotion,  // moved in a straight line along the present motion
  kForecastTrack,  // on the forecast track, between its points
};

struct CentreAtAdvice {
  CentreSource source = CentreSource::kAnalysis;
  // With kForecastTrack: the centre and its motion at the advice time along the track's leg.
  std::optional<situation::StormState> state;
  // With kPresentMotion after the analysis: where the forecast ends (none without a forecast).
  std::optional<situation::UtcTime> forecast_ends;
};

// centre_at_advice: for an advice time after the analysis and within the forecast track of
// `storm`, the centre there and the motion of the track's leg; before the analysis (the hindcast
// is the present motion) or beyond the track, kPresentMotion.
CentreAtAdvice centre_at_advice(const advisory::Storm& storm, situation::UtcTime advice);

}  // namespace hurricane::answer
