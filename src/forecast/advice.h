// Advice [F]: the sweep's outcome as the navigator reads it, decided once for every output.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "forecast/error_model.h"
#include "forecast/sweep.h"
#include "forecast/track.h"

namespace hurricane::forecast {

// Courses first..last clockwise, whole degrees [0, 360); first > last wraps through north.
struct CourseRange {
  int first = 0;
  int last = 0;
};

// Per speed (as kSpeedFractions) and whole-degree course 0..359: the hour the ship's track
// meets land within the horizon, or none.
using LandHours = std::array<std::array<std::optional<double>, kCourses>, kSpeedFractions.size()>;

// What the advice says about one storm's forecast.
struct StormSummary {
  std::string storm_id;
  std::string advisory;
  std::size_t points = 0;                      // track points including the analysis
  Time ends_at{};                              // the last point: not judged after it
  std::optional<Time> dissipated_at;           // when a DISSIPATED/ABSORBED point ended the track
  std::optional<double> radii_carried_from_h;  // hours from the analysis, when radii were carried
  ErrorModel error;  // the error model this storm is judged with (its basin's and season's cone)
  // With a cone: the storm's own basin ("WP") when it has no official cone table and borrows
  // error.table; none when the table is its own.
  std::optional<std::string> basin_without_cone;
};

// Why a course at a speed is not open.
enum class ShutBy { kOpen, kDanger, kLand, kBoth };
ShutBy shut_by(const Passage& passage);
const char* shut_by_name(ShutBy by);  // "open", "danger", "land", "both"

// A clockwise run of courses shut for one reason.
struct ShutRange {
  CourseRange courses;
  ShutBy by = ShutBy::kDanger;
};

// The rule the recommendation was chosen by, as the manual page states it.
enum class Choice {
  kLeavesSoonest,  // the ship starts inside: the course off land out soonest, then most clear
                   // at the horizon; staying put when every course meets land
  kNearVoyage,     // open courses near the voyage course: most clearance within 10 degrees of the
                   // nearest, ties within 0.5 nm to the nearer
  kMostClearance,  // open courses: largest least clearance, ties within 0.5 nm by the mean
                   // clearance, then nearness to the voyage course
  kStayPut,        // nothing open under way at any speed swept, but staying put keeps clear
  kLeastBad,       // nothing open: of each speed's courses off land and staying put, the
                   // largest least clearance, a faster speed winning within 0.5 nm
  kCannotMove,     // the ship has no speed: only staying put is judged
};
const char* choice_name(Choice choice);  // as in the JSON

// Why no course is open at full speed: the ship starts inside a danger area; land shuts every
// course (the danger area may shut some too); the danger area shuts every course (land may shut
// some too); or each shuts courses the other leaves.
enum class NoneOpenBecause { kInside, kLand, kDanger, kDangerAndLand };
const char* none_open_because_name(NoneOpenBecause because);  // as in the JSON

struct Recommendation {
  int course_deg = 0;  // 0 when staying put
  double speed_kn = 0.0;
  Passage passage;
  Choice choice = Choice::kMostClearance;
  bool stay_put = false;
  std::size_t speed_index = 0;  // into kSpeedFractions; a slower one when full speed has none open
};

struct ForecastAdvice {
  ErrorModel error;  // the first storm's (each storm's is in its summary)
  double requested_horizon_h = 0.0;
  Time at{};
  std::optional<double> voyage_course_deg;
  std::string voyage_toward;  // what the voyage course leads to, when a route gave it
  std::vector<StormSummary> storms;
  std::array<double, kSpeedFractions.size()> speeds_kn{};  // full speed first
  Sweep sweep;
  std::array<std::vector<CourseRange>, kSpeedFractions.size()> open;
  // Per speed, the courses not open, in clockwise runs of one reason.
  std::array<std::vector<ShutRange>, kSpeedFractions.size()> shut;
  // Chosen by the rule it names (see Choice); nothing when no storm is judged.
  std::optional<Recommendation> recommended;
  bool none_open = false;  // no course keeps clear at full speed
  // Why, when none_open and the ship can move.
  std::optional<NoneOpenBecause> none_open_because;
  bool starts_inside = false;  // the ship is inside a danger area at the advice time
  bool cannot_move = false;    // the ship's speed is 0: staying put only is judged
  bool stay_open = false;      // staying put keeps clear over the horizon
  // Whether courses were held against land: each passage's land_at_h is then set where its
  // track meets land, and such a course is not open.
  bool land_checked = false;
  // When land was checked: the courses at full speed whose track meets land within the
  // horizon, clockwise ranges; these are not open whatever their clearance.
  std::vector<CourseRange> land_closed;
  // The course the classic advice names ([A]'s recommended escape, else [B]'s), when the answer
  // holds both; why it is shut at full speed along the forecast (kOpen when it is open); and
  // whether [F] disagrees with it: it is shut and more than kAgreeDeg from every open course.
  std::optional<int> classic_course;
  ShutBy classic_shut_by = ShutBy::kOpen;
  bool disagrees_with_classic = false;
};

// Courses within this many degrees name nearly the same escape.
inline constexpr int kAgreeDeg = 10;

// The end of the window judged: the advice time plus the horizon, cut where the forecasts end.
Time judged_until(const ForecastAdvice& advice);

// Records `course` (whole degrees, 0..359) as the classic advice's and how it fares at full speed
// along the forecast.
void compare_with_classic(ForecastAdvice& advice, int course);

// Degrees between two whole-degree courses, [0, 180].
int course_difference(int a, int b);

// The recommendation for `advice` (its sweep, open ranges and flags set), by the rules of Choice.
std::optional<Recommendation> recommend(const ForecastAdvice& advice);

// Judges `storms` for the ship of `request`, recommending relative to `voyage_course_deg`
// (degrees true, [0, 360)) when given. With `land`, a course whose track meets land before the
// horizon is not open, and the least bad course when none is open avoids land if any can.
ForecastAdvice advise_forecast(const std::vector<StormTrack>& storms, const SweepRequest& request,
                               std::optional<double> voyage_course_deg,
                               const LandHours* land = nullptr);

// The clockwise ranges of courses whose least clearance is at least 0 and whose track meets no
// land.
std::vector<CourseRange> open_ranges(const std::array<Passage, kCourses>& passages);

// The clockwise ranges of courses whose track meets land within the horizon.
std::vector<CourseRange> land_ranges(const std::array<Passage, kCourses>& passages);

// The clockwise runs of courses not open, each of one reason.
std::vector<ShutRange> shut_ranges(const std::array<Passage, kCourses>& passages);

}  // namespace hurricane::forecast
