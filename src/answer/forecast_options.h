// The navigator's choices for advice [F], read from their option texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "forecast/error_model.h"
#include "navigation/position.h"

namespace hurricane::answer {

// Defaults that keep ships safe: the two-thirds cone holds the track only two times in three,
// and the wind radii have errors of their own.
inline constexpr double kDefaultConeScale = 2.0;
inline constexpr double kDefaultMarginNm = 100.0;
inline constexpr double kDefaultHorizonH = 72.0;
inline constexpr double kMinHorizonH = 12.0;
inline constexpr double kMaxHorizonH = 120.0;

struct ErrorChoice {
  forecast::ErrorModel::Kind kind = forecast::ErrorModel::Kind::kCone;
  double scale = kDefaultConeScale;  // with kCone, > 0
};

// "cone" (scale 1), "cone:SCALE" (SCALE a number in (0, 10]), "1-2-3" or "none"; nothing for
// anything else.
std::optional<ErrorChoice> parse_error_choice(std::string_view text);

struct ForecastOptions {
  bool enabled = true;
  ErrorChoice error;
  double margin_nm = kDefaultMarginNm;      // nm, >= 0
  bool margin_given = false;                // --margin was given (it also widens the classic keep)
  double horizon_h = kDefaultHorizonH;      // hours, [12, 120]
  std::optional<double> voyage_course_deg;  // degrees true, [0, 360)
  // Where the voyage course leads when it came from a route ("waypoint X of route FILE");
  // empty for a course given as such.
  std::string voyage_toward;
  // The escape plan, made with [F] unless turned off: bound for `plan_to` when given, else
  // along the route or the voyage course, else just clear; off the shore by `sea_room_nm`, out
  // of the danger area bounded by the `avoid_kt` winds (34, 50 or 64).
  bool plan = true;
  std::optional<navigation::LatLon> plan_to;
  double sea_room_nm = 10.0;
  int avoid_kt = 34;
};

}  // namespace hurricane::answer
