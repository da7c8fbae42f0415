#include "plan/voyage_line.h"

#include <algorithm>
#include <cmath>

#include "forecast/earth.h"
#include "land/mercator.h"
#include "land/sea_room.h"

namespace hurricane::plan {
namespace {

constexpr double kInfinityNm = 1e300;

}  // namespace

double meridian_radius_nm(double lat) {
  const double s = std::sin(lat * kRadiansPerDegree);
  const double w2 = 1.0 - forecast::kEccentricity2 * s * s;
  return forecast::kEquatorialRadiusNm * (1.0 - forecast::kEccentricity2) / (w2 * std::sqrt(w2));
}

// The search asks this many thousand times, so not through the elliptic integrals: the
// meridian arc by Simpson's rule over four intervals (within a metre over tens of degrees),
// the course from the isometric latitudes, where a rhumb line is straight.
Heading rhumb_between(LatLon from, LatLon to) {
  const double dlon = std::remainder(to.lon - from.lon, 360.0);
  const double dpsi = land::isometric_latitude(to.lat) - land::isometric_latitude(from.lat);
  double course = std::atan2(dlon, dpsi) / kRadiansPerDegree;
  if (course < 0.0) course += 360.0;
  if (course >= 360.0) course = 0.0;
  const double dlat = to.lat - from.lat;
  double distance = 0.0;
  if (std::fabs(dlat) < 1e-9) {
    distance = std::fabs(dlon) * land::mercator_scale_nm(0.5 * (from.lat + to.lat));
  } else {
    const double h = dlat / 4.0;
    const double arc = h / 3.0 * kRadiansPerDegree *
                       (meridian_radius_nm(from.lat) + 4.0 * meridian_radius_nm(from.lat + h) +
                        2.0 * meridian_radius_nm(from.lat + 2.0 * h) +
                        4.0 * meridian_radius_nm(from.lat + 3.0 * h) + meridian_radius_nm(to.lat));
    distance = std::fabs(arc / std::cos(course * kRadiansPerDegree));
    if (std::fabs(std::cos(course * kRadiansPerDegree)) < 1e-3) {
      distance =
          std::hypot(arc, std::fabs(dlon) * land::mercator_scale_nm(0.5 * (from.lat + to.lat)));
    }
  }
  return {distance, course};
}

VoyageLine::VoyageLine(const Voyage& voyage, LatLon start)
    : kind_(voyage.kind),
      course_deg_(voyage.course_deg),
      waypoints_(voyage.waypoints),
      start_(start) {
  if ((kind_ == Voyage::Kind::kDestination || kind_ == Voyage::Kind::kRoute) &&
      waypoints_.empty()) {
    kind_ = Voyage::Kind::kNone;
  }
  if (kind_ == Voyage::Kind::kDestination) waypoints_.resize(1);
  after_nm_.assign(waypoints_.size(), 0.0);
  for (std::size_t i = waypoints_.size(); i-- > 1;) {
    after_nm_[i - 1] = after_nm_[i] + rhumb_between(waypoints_[i - 1], waypoints_[i]).distance_nm;
  }
  if (!waypoints_.empty()) start_to_go_nm_ = to_go_nm(start, next_waypoint(start, 0));
}

std::size_t VoyageLine::next_waypoint(LatLon at, std::size_t current) const {
  if (waypoints_.empty()) return current;
  std::size_t nearest = 0;
  double least = kInfinityNm;
  for (std::size_t j = 0; j < waypoints_.size(); ++j) {
    const double d = rhumb_between(at, waypoints_[j]).distance_nm;
    if (d < least) {
      least = d;
      nearest = j;
    }
  }
  const std::size_t after = nearest + 1 < waypoints_.size() ? nearest + 1 : nearest;
  return std::min(std::max(current, after), waypoints_.size() - 1);
}

double VoyageLine::to_go_nm(LatLon at, std::size_t target) const {
  if (target >= waypoints_.size()) return 0.0;
  return rhumb_between(at, waypoints_[target]).distance_nm + after_nm_[target];
}

double VoyageLine::progress_nm(LatLon at, std::size_t target) const {
  switch (kind_) {
    case Voyage::Kind::kNone:
      return 0.0;
    case Voyage::Kind::kCourse: {
      const Heading h = rhumb_between(start_, at);
      return h.distance_nm * std::cos((h.course_deg - course_deg_) * kRadiansPerDegree);
    }
    default:
      return start_to_go_nm_ - to_go_nm(at, next_waypoint(at, target));
  }
}

double VoyageLine::best_progress_nm(LatLon at, std::size_t target, double run_nm) const {
  switch (kind_) {
    case Voyage::Kind::kNone:
      return 0.0;
    case Voyage::Kind::kCourse:
      return progress_nm(at, target) + run_nm;
    default:
      return start_to_go_nm_ - std::max(0.0, to_go_nm(at, next_waypoint(at, target)) - run_nm);
  }
}

}  // namespace hurricane::plan
