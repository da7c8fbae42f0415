// The whole advice of one round as one plain value: every conclusion any output shows, and
// what a drawing of the situation needs. Front-ends format this value and decide nothing:
// the hemisphere is already applied, the relative motion already worked out.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <ratio>
#include <string>
#include <vector>

#include "analysis/round_values.h"

namespace hurricane::analysis {

// Area class of the ship.
enum class Area {
  kInternal = 0,  // already closer to the centre than the distance to keep
  kExternal = 1,  // no course at full speed keeps the distance
  kDistant = 2,   // some course, or every course, keeps the distance
};

// A side of the storm's track, looking along the track.
enum class TrackSide { kLeft, kRight };

// The side of the ship the wind is to be kept on.
enum class WindSide { kStarboard, kPort };

// A displacement on the plane of the ship: nm north and east of the ship for positions, kn
// north and east for velocities.
struct Offset {
  double north = 0.0;
  double east = 0.0;
};

// Durations in hours, as the analysis works them out (not rounded).
using Hours = std::chrono::duration<double, std::ratio<3600>>;

// What the situation is: the area class and the dangerous quarter, mirrored for the
// hemisphere already.
struct Verdict {
  Area area = Area::kDistant;
  bool in_dangerous_quarter = false;             // ahead of the storm, on its dangerous side
  TrackSide dangerous_side = TrackSide::kRight;  // right of the track north, left south
  WindSide keep_wind_on = WindSide::kStarboard;  // the rule inside the area: starboard north
};

// A clockwise range of admissible whole-degree courses, first to last (1..360, 360 north);
// a range through north has its last course below its first.
struct CourseRange {
  int first = 0;
  int last = 0;
};

// Where a course's rhumb-line track from the ship's position, at the ship's full speed, first
// meets the shoreline.
struct LandMeeting {
  double hour = 0.0;  // hours from now, >= 0
  double lat = 0.0;   // degrees north, -90..90
  double lon = 0.0;   // degrees east, -180..180
};

// Whether the escapes were held against the shoreline.
enum class LandCheck {
  kNoPosition,  // the ship's position was not given: nothing to check
  kChecked,     // every escape's `land` is set when its track meets land within the horizon
  kOff,         // land was left out (--no-land)
};

// How the escapes were held against land: what with, and how far ahead.
struct LandCheckInfo {
  LandCheck check = LandCheck::kNoPosition;
  std::string shoreline;   // the data set, its version and resolution (when checked)
  double horizon_h = 0.0;  // hours of each track checked (when checked)
};

// An escape that advice [A] recommends.
struct Escape {
  int course = 0;                   // whole degrees, 0..359
  double speed = 0.0;               // least ship speed it needs, kn, never negative
  bool speed_shown = false;         // whether the speed is stated (staying in place fails)
  std::optional<LandMeeting> land;  // set only when checked and the track meets land
  // `speed` as a share of the ship's top speed; none when the ship cannot move.
  std::optional<double> speed_needed_fraction;
  bool little_reserve = false;  // a stated speed above kLittleReserve of the top speed
};

// Share of the ship's top speed above which an escape leaves little in hand.
inline constexpr double kLittleReserve = 0.8;

// Advice [A]: the courses at full speed that keep the distance.
struct CourseAdvice {
  bool moving_away = false;         // the storm moves away from the ship
  int course_away = 0;              // course straight away from the storm, 0..360
  bool all_courses = false;         // every course keeps the distance
  std::vector<CourseRange> ranges;  // admissible ranges, clockwise from the first
  bool ranges_incomplete = false;   // the range finder met a list without a range start
  std::vector<Escape> escapes;      // the recommended escapes, cheaper first (0 to 2)
  bool stay_possible = false;       // staying in place keeps the distance
  // Land on the escapes' tracks: set after the analysis by the answer, which knows the ship's
  // position and the shoreline.
  LandCheckInfo land;
};

// The escape [A] recommends: the first whose track meets no land (land is set only where it was
// checked), none when there is no escape or every one meets land. The others are passed over.
inline std::optional<std::size_t> recommended_escape(const CourseAdvice& a) {
  for (std::size_t k = 0; k < a.escapes.size(); ++k) {
    if (!a.escapes[k].land) return k;
  }
  return std::nullopt;
}

// Which answer advice [B] gives.
enum class CpaCase {
  kFaster,    // the ship is faster than the storm: the CPA does not matter
  kAchieved,  // no course brings a CPA below the present distance: it is already the largest
  kCpaAhead,  // the largest CPA lies ahead
};

// Advice [B]: the course that makes the closest point of approach (CPA) largest.
struct MaxCpa {
  CpaCase kind = CpaCase::kFaster;
  double cpa = 0.0;  // the CPA the advice states, nm (the present distance unless ahead)
  // The course for the largest CPA, degrees [0, 360), when that CPA is below the present
  // distance; none otherwise.
  std::optional<double> course;
  Hours time_to_go{0.0};        // until the CPA, when `course`; zero otherwise
  Offset cpa_point;             // the storm's centre at the CPA, from the ship (nm), when `course`
  Offset relative_velocity;     // the storm's motion seen from the ship on `course` (kn)
  int suggested_course = 0;     // whole degrees: `course` rounded, else straight away
  bool slow_ship_hint = false;  // ship slower than half the storm's speed
  // The ship's top speed is 0: no course changes anything. The classic lines still name one
  // (they stay as they always were); every other output says the ship cannot move.
  bool ship_cannot_move = false;
};

// The danger cone of the velocity diagram: from its apex at the storm's centre, the bearings
// of relative motion that bring the centre within the distance to keep, from edge 1
// clockwise to edge 2 (degrees [0, 360)).
struct DangerCone {
  double edge1 = 0.0;
  double edge2 = 0.0;
};

// Wind radii per compass quadrant (NE, SE, SW, NW; never mirrored in the south), nm, for the
// 34-, 50- and 64-kt winds in that order; 0 where the winds do not reach.
using WindRadii = std::array<std::array<double, 4>, 3>;
inline constexpr std::array<int, 3> kWindRadiiKt = {34, 50, 64};

// The storm at one hour of its official forecast, seen from the ship where it is now.
struct ForecastPosition {
  double hours = 0.0;    // after the advice time, >= 0
  std::string time;      // that time, ISO 8601 UTC ("2023-09-13T09:00:00Z")
  double lat = 0.0;      // the centre, degrees north, -90..90
  double lon = 0.0;      // degrees east, -180..180
  Offset centre;         // nm north and east of the ship: the geodesic's length along its
                         // initial azimuth from the ship
  WindRadii radii_nm{};  // in time between the forecast's points
};

// What the board shows of an advisory's forecast track: it replaces the straight line of the
// present motion.
struct ForecastTrack {
  // The storm now (0 h) and after 12, 24 and 48 hours, as far as the forecast reaches.
  std::vector<ForecastPosition> positions;
  // The centre every hour from now to the last position, nm from the ship.
  std::vector<Offset> path;
};

// The escape plan as the board shows it, set by the answer when a plan was made: what to
// steer now and where the ship will be.
struct BoardPlan {
  int course_deg = 0;          // steered now: the voyage held or the first leg; 0 when stopped
  double speed_kn = 0.0;       // 0: hove to
  std::string until;           // when that changes, "13/0100Z"; empty: held to the plan's end
  std::vector<Offset> hourly;  // the ship at every whole hour from now, nm from where it is now
};

// What a drawing of the situation needs beyond the conclusions.
struct Drawing {
  Offset storm;                    // the storm's centre, from the ship, nm
  Offset storm_velocity;           // the storm's velocity V, kn
  double track = 0.0;              // the storm's track, degrees [0, 360); 180 for a storm at rest
  std::optional<DangerCone> cone;  // none with the ship inside the distance to keep
  // With an advisory that holds a forecast: the storm along it. Set after the analysis by the
  // answer, which knows the positions and times.
  std::optional<ForecastTrack> forecast;
  std::optional<BoardPlan> plan;  // with an escape plan, set by the answer
  // The shoreline within the board's reach, nm from the ship, as polylines; set by the answer
  // when a picture is drawn with land held.
  std::vector<std::vector<Offset>> shore;
};

// Everything one round's analysis concludes.
struct Advice {
  RoundValues values;  // the values the analysis used, U included
  Hemisphere hemisphere = Hemisphere::kNorth;
  Verdict verdict;
  CourseAdvice courses;  // advice [A]
  MaxCpa max_cpa;        // advice [B]
  Drawing drawing;
};

// The area class as programs name it: "internal", "external" or "distant".
const char* area_name(Area area);

// The hemisphere as programs name it: "north" or "south".
const char* hemisphere_name(Hemisphere hemisphere);

// advise: the whole advice for one round's values in the given hemisphere. Pure: no I/O, no
// state; the same values give the same bits everywhere.
Advice advise(const RoundValues& values, Hemisphere hemisphere);

}  // namespace hurricane::analysis
