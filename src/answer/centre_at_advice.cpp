#include "answer/centre_at_advice.h"

#include "forecast/centre_in_time.h"
#include "forecast/from_advisory.h"
#include "navigation/geodesic.h"

namespace hurricane::answer {

CentreAtAdvice centre_at_advice(const advisory::Storm& storm, situation::UtcTime advice) {
  const situation::UtcTime analysis = storm.fix.time;
  if (advice == analysis) return {};
  const std::optional<forecast::StormTrack> track = forecast::track_from_advisory(storm);
  CentreAtAdvice result{CentreSource::kPresentMotion, std::nullopt, std::nullopt};
  if (advice < analysis) return result;
  if (!track) return result;
  if (advice > forecast::track_end(*track)) {
    result.forecast_ends = forecast::track_end(*track);
    return result;
  }
  // The leg [a, b] holding the advice time; at the track's end, the last leg.
  std::size_t b = 1;
  while (track->points[b].time <= advice && b + 1 < track->points.size()) ++b;
  const forecast::TrackPoint& from = track->points[b - 1];
  const forecast::TrackPoint& to = track->points[b];
  const navigation::LatLon centre = forecast::CentreInTime(*track).at(advice);
  situation::Motion motion;
  if (advice < to.time) {
    const navigation::Leg ahead = navigation::inverse(centre, to.centre);
    motion = {ahead.azimuth_from, ahead.distance_nm / situation::hours_between(advice, to.time)};
  } else {
    const navigation::Leg behind = navigation::inverse(from.centre, centre);
    motion = {behind.azimuth_to, behind.distance_nm / situation::hours_between(from.time, advice)};
  }
  if (motion.speed == 0.0) motion.track = 0.0;  // at rest, as a stationary advisory states it
  result.source = CentreSource::kForecastTrack;
  result.state = situation::StormState{centre, advice, motion};
  return result;
}

}  // namespace hurricane::answer
