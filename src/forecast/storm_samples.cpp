#include "forecast/storm_samples.h"

#include <algorithm>
#include <cmath>

#include <GeographicLib/Geodesic.hpp>

#include "forecast/centre_in_time.h"
#include "forecast/earth.h"
#include "forecast/radii_in_time.h"

namespace hurricane::forecast {

std::vector<StormSample> storm_samples(const StormTrack& track, const ErrorModel& model, Time at,
                                       double step_h, std::size_t count) {
  const CentreInTime centres(track);
  const RadiiInTime radii(track);
  const Time start = track_start(track);
  const Time end = track_end(track);
  const Time analysis = track.points.front().time;
  std::vector<StormSample> samples(count);
  for (std::size_t i = 0; i < count; ++i) {
    const Time time = add_hours(at, step_h * static_cast<double>(i));
    StormSample& s = samples[i];
    s.judged = time >= start && time <= end;
    if (!s.judged) continue;
    s.centre = centres.at(time);
    s.origin = to_ecef(s.centre);
    const double lat = s.centre.lat * kRadiansPerDegree;
    const double lon = s.centre.lon * kRadiansPerDegree;
    s.east_x = -std::sin(lon);
    s.east_y = std::cos(lon);
    s.north_x = -std::sin(lat) * std::cos(lon);
    s.north_y = -std::sin(lat) * std::sin(lon);
    s.north_z = std::cos(lat);
    const double w2 = 1.0 - kEccentricity2 * std::sin(lat) * std::sin(lat);
    s.inv_normal = std::sqrt(w2) / kEquatorialRadiusNm;
    s.inv_meridian = w2 * std::sqrt(w2) / (kEquatorialRadiusNm * (1.0 - kEccentricity2));
    for (std::size_t k = 0; k < 3; ++k) {
      s.radii[k] = radii.at(time, static_cast<Threshold>(k));
      s.reach_nm[k] = *std::max_element(s.radii[k].begin(), s.radii[k].end());
    }
    s.allowance_nm = error_radius_nm(model, track.accuracy_nm, hours_between(analysis, time),
                                     track.synoptic_lag_h) +
                     model.margin_nm;
  }
  return samples;
}

namespace {

// The arc of a circle of curvature `inv_radius` over `chord`: 2 R asin(chord / 2R), by its series
// where that errs by less than 1e-8 of the arc.
double chord_to_arc(double chord, double inv_radius) {
  const double x = 0.5 * chord * inv_radius;
  if (x > 0.25) return 2.0 / inv_radius * std::asin(std::min(1.0, x));
  const double x2 = x * x;
  const double series =
      1.0 + x2 * (1.0 / 6.0 + x2 * (3.0 / 40.0 + x2 * (5.0 / 112.0 + x2 * (35.0 / 1152.0))));
  return chord * series;
}

}  // namespace

PlanePoint approximate_plane_point(const StormSample& s, const Ecef& ship) {
  const double vx = ship.x - s.origin.x;
  const double vy = ship.y - s.origin.y;
  const double vz = ship.z - s.origin.z;
  const double east = vx * s.east_x + vy * s.east_y;
  const double north = vx * s.north_x + vy * s.north_y + vz * s.north_z;
  const double across2 = east * east + north * north;
  if (across2 <= 0.0) return {};
  const double chord = std::sqrt(vx * vx + vy * vy + vz * vz);
  const double inv_radius = (north * north * s.inv_meridian + east * east * s.inv_normal) / across2;
  const double arc = chord_to_arc(chord, inv_radius);
  const double scale = arc / std::sqrt(across2);
  return {east * scale, north * scale};
}

PlanePoint exact_plane_point(LatLon centre, LatLon ship) {
  double distance_m = 0.0;
  double azimuth = 0.0;
  double arriving = 0.0;
  GeographicLib::Geodesic::WGS84().Inverse(centre.lat, centre.lon, ship.lat, ship.lon, distance_m,
                                           azimuth, arriving);
  return plane_point(distance_m / kMetresPerNm, azimuth);
}

}  // namespace hurricane::forecast
