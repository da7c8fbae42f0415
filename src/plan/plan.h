// Escape plans: up to three legs, each a whole-degree course at a step of full speed held whole
// hours, then the voyage resumed at full speed; kept clear of every storm's danger area and off
// the shoreline along the whole track, chosen for the most voyage progress at the horizon.
#pragma once

#include <optional>
#include <vector>

#include "forecast/error_model.h"
#include "forecast/track.h"
#include "land/land.h"

namespace hurricane::plan {

using forecast::LatLon;
using forecast::Time;

// Where the ship is bound: progress is measured towards it.
struct Voyage {
  enum class Kind { kNone, kDestination, kCourse, kRoute };
  Kind kind = Kind::kNone;
  double course_deg = 0.0;        // kCourse: degrees true, [0, 360)
  std::vector<LatLon> waypoints;  // kDestination: the one; kRoute: in order, at least one
};

struct PlanRequest {
  Time at{};  // the advice time, when the ship is at `ship`
  LatLon ship;
  double speed_kn = 0.0;  // full speed, > 0
  double horizon_h = 72;  // cut where the last forecast ends
  std::vector<forecast::StormTrack> storms;
  forecast::ErrorModel error;
  std::vector<forecast::ConeTable> storm_tables;  // per storm, as the sweep takes them
  int avoid_kt = 34;                              // 34, 50 or 64: which radii bound the danger
  double sea_room_nm = 10.0;                      // least distance kept from the shoreline
  const land::Land* land = nullptr;               // none: land is not held against the plan
  Voyage voyage;
};

// Fractions of full speed a leg may take, full first; 0 is stopped (hove to).
inline constexpr double kLegSpeeds[] = {1.0, 0.75, 0.5, 0.25, 0.0};
inline constexpr std::size_t kMaxLegs = 3;

struct PlannedLeg {
  int course_deg = 0;     // 0 when stopped
  double speed_kn = 0.0;  // 0 when stopped
  Time start{}, end{};
  LatLon from, to;
};

// The voyage taken up again after the legs, at full speed to the horizon.
struct Resume {
  int course_deg = 0;                   // the first course steered
  std::optional<std::size_t> waypoint;  // with a destination or route: the waypoint steered for
  Time start{};
  LatLon from;
};

// When the ship must leave its voyage at the latest.
struct DecideBy {
  enum class Kind { kNone, kNow, kAt };
  Kind kind = Kind::kNone;  // none: holding the voyage keeps clear; now: alter at once
  Time at{};                // kAt: the last whole hour the voyage may be held
};

// A point of the plan's track where what is steered changes.
struct TrackTurn {
  enum class Kind {
    kStart,      // the advice time
    kAlter,      // a leg under way begins
    kHeaveTo,    // a leg hove to begins
    kResume,     // the voyage is taken up again
    kWaypoint,   // a waypoint of the voyage is reached and the next steered for
    kArrived,    // at the destination or the route's end: the ship stays
    kStopShort,  // the voyage leads within the sea room of the shore: the ship waits there
    kEnd,        // the horizon
  };
  Kind kind = Kind::kStart;
  Time at{};
  LatLon position;
  int course_deg = 0;     // steered from here; 0 when stopped
  double speed_kn = 0.0;  // from here; 0 when stopped, and at the track's end
};

// Where the voyage's line first comes within the sea room of the shore: the ship stops short
// there, and the voyage needs a route around that land.
struct ShortOfLand {
  Time at{};
  LatLon position;
};

struct Plan {
  bool judged = false;       // some storm is forecast within the horizon
  int avoid_kt = 34;         // as asked
  double sea_room_nm = 0.0;  // as asked
  // When no plan keeps clear of the danger with the sea room asked but one does closer to the
  // shore: the sea room that plan keeps (less than asked), and everything below is of that plan.
  std::optional<double> reduced_sea_room_nm;
  bool land_held = false;                     // the shoreline was held against the plan
  Voyage::Kind voyage = Voyage::Kind::kNone;  // what progress is measured along
  Time until{};                               // the horizon, cut where the forecasts end
  std::optional<Time> holds_voyage_until;     // the voyage is held until the first leg
  // When holding the voyage does not keep clear: the last whole hour it stays out of the danger
  // area and off the shore (the advice time when it is not clear even there).
  std::optional<Time> voyage_clear_until;
  std::vector<PlannedLeg> legs;
  std::optional<Resume> resume;
  double least_clearance_nm = 0.0;  // from every storm's danger area, over the horizon
  Time least_clearance_at{};
  LatLon least_clearance_place;
  // Least distance from the shoreline outside the sea room of the start and destination, when
  // within the distance looked at (sea room plus 20 nm) and land was held.
  std::optional<double> least_sea_room_nm;
  Time sea_room_at{};
  LatLon sea_room_place;
  double progress_nm = 0.0;  // made good along the voyage at the horizon; 0 without a voyage
  DecideBy decide_by;
  bool keeps_clear = false;
  int meets = 0;  // strongest forecast wind (34, 50, 64 kt) the track enters; 0 none
  std::optional<ShortOfLand> short_of_land;
  // The whole track to the horizon: the start, every change of course or speed (a waypoint
  // reached included), and its end.
  std::vector<TrackTurn> track;
  std::vector<LatLon> hourly;  // the ship at every whole hour from the advice time
  // Per storm of the request, its forecast centre at the same hours, when forecast that far.
  std::vector<std::vector<std::optional<LatLon>>> storms_hourly;
};

// Sea rooms tried in turn, with land held, when no plan keeps clear with the one asked: among
// islands, a plan that keeps clear of the storm closer to the shore (said plainly) is better
// advice than lying in the storm's path to keep the sea room.
inline constexpr double kReducedSeaRoomsNm[] = {5.0, 2.0};

// The plan for `request`: the best that keeps clear, else the best that keeps clear with a
// reduced sea room, else the one that goes least deep and leaves the danger soonest
// (keeps_clear false).
Plan make_plan(const PlanRequest& request);

// The sea room the plan keeps off the shore: as asked, or reduced.
inline double kept_sea_room_nm(const Plan& plan) {
  return plan.reduced_sea_room_nm.value_or(plan.sea_room_nm);
}

}  // namespace hurricane::plan
