// A storm's state at every sample time of a sweep, formed once: centre, its local frame, radii
// per threshold and the allowance (error radius plus margin) the danger area adds.
#pragma once

#include <array>
#include <vector>

#include "forecast/error_model.h"
#include "forecast/quarter_discs.h"
#include "forecast/ship_track.h"
#include "forecast/track.h"

namespace hurricane::forecast {

struct StormSample {
  bool judged = false;  // the time lies within the track's span
  LatLon centre;
  Ecef origin;                    // the centre, earth-centred
  double east_x = 0, east_y = 0;  // local east unit vector (no z part)
  double north_x = 0, north_y = 0, north_z = 0;
  double inv_meridian = 0, inv_normal = 0;  // 1 / radii of curvature at the centre, 1/nm
  std::array<QuadrantNm, 3> radii{};        // per threshold 34, 50, 64
  std::array<double, 3> reach_nm{};         // the largest radius per threshold
  double allowance_nm = 0;                  // error radius + margin
};

// The samples of `track` at `at` + i * step_h for i in [0, count).
std::vector<StormSample> storm_samples(const StormTrack& track, const ErrorModel& model, Time at,
                                       double step_h, std::size_t count);

// Where `ship` lies in the centre's azimuthal-equidistant plane, approximately: the chord turned
// into an arc of the normal section's radius of curvature; within metres out to a few hundred
// nm, within about 0.1% beyond.
PlanePoint approximate_plane_point(const StormSample& sample, const Ecef& ship);

// The same exactly, through the geodesic inverse problem.
PlanePoint exact_plane_point(LatLon centre, LatLon ship);

}  // namespace hurricane::forecast
