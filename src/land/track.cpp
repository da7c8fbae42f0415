#include "land/track.h"

#include <GeographicLib/Rhumb.hpp>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "navigation/units.h"

namespace hurricane::land {
namespace {

// Distance along `course` (degrees) from rectifying latitude `mu` to the latitude limit it
// heads for; infinite on a parallel.
double distance_to_limit_nm(double mu, double course) {
  const double cos_course = std::cos(course * kRadiansPerDegree);
  if (cos_course == 0.0) return kMaxTrackNm;
  const double limit =
      rectifying_latitude(cos_course > 0.0 ? kTrackLatitudeLimit : -kTrackLatitudeLimit);
  return (limit - mu) / cos_course * (quarter_meridian_nm() / 90.0);
}

}  // namespace

std::optional<Track> make_track(double lat, double lon, double course, double distance_nm) {
  if (!std::isfinite(lat) || !std::isfinite(lon) || !std::isfinite(course) ||
      !std::isfinite(distance_nm) || std::fabs(lat) > kTrackLatitudeLimit || !(distance_nm > 0.0)) {
    return std::nullopt;
  }
  const double lon0 = std::remainder(lon, 360.0);  // -180..180
  Track track;
  track.mu_from = rectifying_latitude(lat);
  track.distance_nm =
      std::min({distance_nm, kMaxTrackNm, distance_to_limit_nm(track.mu_from, course)});
  if (!(track.distance_nm > 0.0)) return std::nullopt;

  double lat1 = 0.0, lon1 = 0.0, area = 0.0;
  GeographicLib::Rhumb::WGS84().GenDirect(lat, lon0, course, track.distance_nm * kMetresPerNm,
                                          GeographicLib::Rhumb::LATITUDE |
                                              GeographicLib::Rhumb::LONGITUDE |
                                              GeographicLib::Rhumb::LONG_UNROLL,
                                          lat1, lon1, area);
  if (!std::isfinite(lat1) || !std::isfinite(lon1)) return std::nullopt;
  track.from = {lon0, isometric_latitude(lat)};
  track.to = {lon1, isometric_latitude(lat1)};
  track.mu_to = rectifying_latitude(lat1);
  return track;
}

Landfall point_at(const Track& track, double t) {
  const double x = track.from.x + t * (track.to.x - track.from.x);
  const double y = track.from.y + t * (track.to.y - track.from.y);
  Landfall point;
  point.lat = geodetic_latitude(y);
  point.lon = std::remainder(x, 360.0);
  // Distance grows with the rectifying latitude on every course but a parallel, where it grows
  // with the longitude.
  const double dmu = track.mu_to - track.mu_from;
  const double fraction = dmu != 0.0 ? (rectifying_latitude(point.lat) - track.mu_from) / dmu : t;
  point.distance_nm = std::clamp(fraction, 0.0, 1.0) * track.distance_nm;
  return point;
}

Shifts shifts_into_range(const Track& track) {
  const double lo = std::min(track.from.x, track.to.x);
  const double hi = std::max(track.from.x, track.to.x);
  return {static_cast<int>(std::ceil((lo - 180.0) / 360.0)),
          static_cast<int>(std::floor((hi + 180.0) / 360.0))};
}

}  // namespace hurricane::land
