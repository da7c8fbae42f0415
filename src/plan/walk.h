// Walking a ship along a plan's track, sample by sample, against every storm's danger area and
// the shoreline: fast (tabled storm states, approximate plane points, a cushion) for the search,
// exact (geodesics every 0.1 h) for the plan given.
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <vector>

#include "forecast/storm_samples.h"
#include "plan/plan.h"
#include "plan/voyage_line.h"

namespace hurricane::plan {

inline constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Cursor;

class Walk {
 public:
  // Samples every `step_h` hours to `horizon_h`; `exact` positions and distances by the geodesic
  // routines (and the least sea room looked for beyond the sea room asked).
  Walk(const PlanRequest& request, double horizon_h, double step_h, bool exact);

  const PlanRequest& request() const { return request_; }
  const VoyageLine& voyage() const { return voyage_; }
  double horizon_h() const { return horizon_h_; }
  double step_h() const { return step_h_; }
  bool exact() const { return exact_; }
  bool judged() const { return judged_; }
  // How far the ship starts off the shore, when nearer than the sea room asked (else infinite).
  double start_offing_nm() const { return start_offing_nm_; }
  // Made good along the voyage by a walk that ended at `end`. A course that runs onto the shore
  // from the start ends there: a track gains beyond that end only when it got past the land,
  // six hours' run or more further on; a detour to another point of the same coast gains
  // nothing.
  double progress_nm(const Cursor& end) const;
  // Along a course: the progress at which it meets the shore from the start, when it does.
  std::optional<double> course_end_nm() const { return course_end_nm_; }

  // The least clearance at sample `i` of a ship at `ship` (earth-centred and, when exact, its
  // position), the strongest wind area it is in (kt, 0 none) through `meets` when exact or
  // `tolerant`.
  double clearance(std::size_t i, const forecast::Ecef& ship, LatLon at, bool tolerant,
                   int& meets) const;

  std::size_t storm_count() const { return samples_.size(); }
  // The centre of storm `storm` at sample `i`, when its forecast reaches that time.
  std::optional<LatLon> centre(std::size_t storm, std::size_t i) const;

 private:
  void end_course_at_shore();

  const PlanRequest& request_;
  VoyageLine voyage_;
  double horizon_h_, step_h_;
  bool exact_;
  bool judged_ = false;
  double start_offing_nm_ = kInfinity;
  std::optional<double> course_end_nm_;
  std::size_t avoid_ = 0;                                    // index of the radii avoided
  std::vector<std::vector<forecast::StormSample>> samples_;  // per storm, per sample
};

// What the walk of the plan given records of its own track, in hours from the advice time.
struct Trail {
  struct Turn {
    double h = 0.0;
    LatLon at;
    double course_deg = 0.0;
    double speed_kn = 0.0;  // 0: stopped
  };
  std::vector<Turn> turns;     // each start of a run whose course or speed differs from the last
  std::vector<LatLon> hourly;  // at every whole hour from the start
  std::vector<std::vector<std::optional<LatLon>>> storms_hourly;  // per storm, every whole hour
};

// Where a walk has got to and what it has met on the way.
struct Cursor {
  double t = 0.0;  // hours from the advice time
  LatLon at;
  std::size_t target = 0;  // the waypoint steered for
  bool tolerant = false;   // go on through the danger area (land still stops the walk)
  double least = kInfinity;
  double least_h = 0.0;
  LatLon least_at;
  std::optional<double> last_inside_h;  // the last sample within the danger area
  int meets = 0;
  double run_nm = 0.0;              // steamed so far
  std::optional<double> arrived_h;  // when the voyage's last waypoint (a course's end) was reached
  double sea_room = kInfinity;
  double sea_room_h = 0.0;
  LatLon sea_room_at;
  // Where the voyage first led within the sea room of the shore, and the ship stopped short.
  std::optional<double> short_of_land_h;
  LatLon short_of_land_at;
  Trail* trail = nullptr;  // when given, the track is recorded into it
};

// The cursor at the start, its first sample checked; false when that sample is in the danger.
bool start(const Walk& walk, Cursor& cursor);

// Runs on `course_deg` at `speed_kn` until `until_h`; false at the first breach (danger, unless
// tolerant, or land), the cursor then undefined.
bool run(const Walk& walk, Cursor& cursor, double course_deg, double speed_kn, double until_h);

// Steers along the voyage at full speed until `until_h`, stopping at the last waypoint, or
// short of the shore where the voyage's line leads within the sea room of it.
bool run_voyage(const Walk& walk, Cursor& cursor, double until_h);

}  // namespace hurricane::plan
