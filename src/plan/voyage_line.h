// The voyage as a line to make good: the waypoints still ahead and the distance left to them,
// or a course to run along; how far a position has come along it.
#pragma once

#include <cstddef>
#include <vector>

#include "plan/plan.h"

namespace hurricane::plan {

// Rhumb-line distance and course from one position to another.
struct Heading {
  double distance_nm = 0.0;
  double course_deg = 0.0;  // [0, 360)
};
Heading rhumb_between(LatLon from, LatLon to);

// Radius of curvature of the meridian at `lat` (degrees), nm.
double meridian_radius_nm(double lat);

class VoyageLine {
 public:
  VoyageLine(const Voyage& voyage, LatLon start);

  Voyage::Kind kind() const { return kind_; }
  bool any() const { return kind_ != Voyage::Kind::kNone; }
  double course_deg() const { return course_deg_; }
  const std::vector<LatLon>& waypoints() const { return waypoints_; }

  // The waypoint to steer for from `at`, having steered for `current` so far: the one after
  // the waypoint nearest `at` (the last when that is the nearest), never one before `current`.
  std::size_t next_waypoint(LatLon at, std::size_t current) const;
  // Distance to go from `at` steering for waypoint `target` and on along the route.
  double to_go_nm(LatLon at, std::size_t target) const;
  // Made good from the start to `at` (steering for `target`): towards the destination, along
  // the route, or along the course; 0 without a voyage.
  double progress_nm(LatLon at, std::size_t target) const;
  // The most progress a ship at `at` (steering for `target`) can have after running `run_nm`
  // more.
  double best_progress_nm(LatLon at, std::size_t target, double run_nm) const;

 private:
  Voyage::Kind kind_;
  double course_deg_ = 0.0;
  std::vector<LatLon> waypoints_;
  std::vector<double> after_nm_;  // per waypoint: the route's length from it to the last
  LatLon start_;
  double start_to_go_nm_ = 0.0;
};

}  // namespace hurricane::plan
