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
};

struct Recommendation {
  int course_deg = 0;
  double speed_kn = 0.0;
  Passage passage;
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
  // The open course at full speed nearest the voyage's course, else the open one with the
  // largest least clearance; when none is open, the course with the largest least clearance.
  // Nothing when no storm is judged.
  std::optional<Recommendation> recommended;
  bool none_open = false;  // no course keeps clear at full speed
  // Whether courses were held against land: each passage's land_at_h is then set where its
  // track meets land, and such a course is not open.
  bool land_checked = false;
  // When land was checked: the courses at full speed whose track meets land within the
  // horizon, clockwise ranges; these are not open whatever their clearance.
  std::vector<CourseRange> land_closed;
  // The course the classic advice names ([A]'s first escape, else [B]'s), when the answer holds
  // both, and whether [F] disagrees with it: that course is not open at full speed here.
  std::optional<int> classic_course;
  bool disagrees_with_classic = false;
};

// Records `course` (whole degrees, 0..359) as the classic advice's and whether it is open at full
// speed along the forecast.
void compare_with_classic(ForecastAdvice& advice, int course);

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

}  // namespace hurricane::forecast
