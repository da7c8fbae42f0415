#include "forecast/centre_in_time.h"

#include <algorithm>

#include <GeographicLib/Geodesic.hpp>

#include "forecast/earth.h"

namespace hurricane::forecast {

CentreInTime::CentreInTime(const StormTrack& track) {
  const GeographicLib::Geodesic& earth = GeographicLib::Geodesic::WGS84();
  const TrackPoint& analysis = track.points.front();
  // Backward leg: from the analysis, opposite to the motion; read with negative hours.
  legs_.push_back({analysis.time, -kHindcastHours,
                   earth.Line(analysis.centre.lat, analysis.centre.lon, track.motion.track + 180.0),
                   track.motion.speed * kHindcastHours * kMetresPerNm});
  for (std::size_t i = 1; i < track.points.size(); ++i) {
    const TrackPoint& a = track.points[i - 1];
    const TrackPoint& b = track.points[i];
    GeographicLib::GeodesicLine line =
        earth.InverseLine(a.centre.lat, a.centre.lon, b.centre.lat, b.centre.lon);
    const double length = line.Distance();
    legs_.push_back({a.time, hours_between(a.time, b.time), std::move(line), length});
  }
}

LatLon CentreInTime::at(Time time) const {
  const Leg* leg = &legs_.front();
  const double before = hours_between(leg->from, time);
  double fraction = before < 0.0 ? std::min(1.0, -before / kHindcastHours) : 0.0;
  if (before >= 0.0 && legs_.size() > 1) {
    leg = &legs_[1];
    for (std::size_t i = 2; i < legs_.size() && legs_[i].from <= time; ++i) leg = &legs_[i];
    fraction = std::clamp(hours_between(leg->from, time) / leg->hours, 0.0, 1.0);
  }
  double lat = 0.0;
  double lon = 0.0;
  leg->line.Position(fraction * leg->length_m, lat, lon);
  return {lat, lon};
}

}  // namespace hurricane::forecast
