// Every course at every speed judged against every storm's forecast: the least clearance from the
// danger areas over the horizon, when it occurs, when the ship would enter a danger area, and the
// strongest forecast wind area it would meet.
#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <vector>

#include "forecast/error_model.h"
#include "forecast/track.h"

namespace hurricane::forecast {

struct SweepRequest {
  Time at{};  // the advice time, when the ship is at `ship`
  LatLon ship;
  double speed_kn = 0;    // full speed, knots, > 0
  double horizon_h = 72;  // hours from `at`, 12..120
  ErrorModel error;
  // Each storm's cone table, in the order of the storms swept (a storm's basin and season);
  // a storm without one uses error.table.
  std::vector<ConeTable> storm_tables;
};

// The error model `request` judges storm number `storm` with: its error with that storm's table.
ErrorModel storm_error(const SweepRequest& request, std::size_t storm);

// One course at one speed (or staying put). Hours count from the advice time.
struct Passage {
  double clearance_nm = std::numeric_limits<double>::infinity();  // least over the horizon
  double min_at_h = 0.0;
  std::optional<double> enters_at_h;  // first hour inside a danger area
  int wind_kt = 0;                    // strongest forecast wind area entered: 34, 50, 64; 0 none
  std::optional<double> wind_at_h;    // when the ship first enters that area
  std::size_t storm = 0;              // the storm giving the least clearance
  // When the ship starts inside a danger area: the first hour it is outside them all; none
  // when it starts outside or does not come out within the horizon.
  std::optional<double> leaves_at_h;
  // The clearance at the last sample of the horizon, and averaged over every 6 h and the
  // last sample where some storm is judged: what a course leaves the ship with, beside its least.
  double horizon_clearance_nm = std::numeric_limits<double>::infinity();
  double mean_clearance_nm = std::numeric_limits<double>::infinity();
  // First hour the track meets land within the horizon, when land was held against it; such a
  // course is not open whatever its clearance.
  std::optional<double> land_at_h;
};

// Fractions of full speed swept, full speed first.
inline constexpr std::array<double, 4> kSpeedFractions = {1.0, 0.75, 0.5, 0.25};
inline constexpr std::size_t kCourses = 360;
// Spacing of the samples in time, hours.
inline constexpr double kSampleHours = 0.1;

struct Sweep {
  double horizon_h = 0.0;  // judged horizon: the request's, cut where the last forecast ends
  // Per speed (as kSpeedFractions), per whole-degree course 0..359.
  std::array<std::array<Passage, kCourses>, kSpeedFractions.size()> passages{};
  Passage stay;
  bool judged = false;  // some storm was judged at some sample
};

// The sweep of `storms` (each with strictly increasing point times), fast: the storms' state is
// formed once per sample and ship positions in a table-driven earth-centred frame; the least
// clearance and the entry hours are then checked with the exact geodesics around where they
// occur.
Sweep sweep(const std::vector<StormTrack>& storms, const SweepRequest& request);

// The same sweep evaluated straightforwardly, with the geodesic routines at every sample; the
// reference the fast one is measured against.
Sweep sweep_brute_force(const std::vector<StormTrack>& storms, const SweepRequest& request);

}  // namespace hurricane::forecast
