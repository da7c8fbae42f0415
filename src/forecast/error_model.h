// How far the real centre may lie from the forecast one: a radius growing with lead time.
#pragma once

#include <array>
#include <string>

namespace hurricane::forecast {

// Lead times of the cone tables, hours.
inline constexpr std::array<double, 8> kConeHours = {12, 24, 36, 48, 60, 72, 96, 120};

// A two-thirds probability cone: radii in nm at kConeHours for one basin and season.
struct ConeTable {
  std::string basin;  // "AL", "EP" or "CP"
  int season = 0;
  std::array<double, 8> radii_nm{};
};

struct ErrorModel {
  enum class Kind { kCone, kMarinersRule, kNone };
  Kind kind = Kind::kCone;
  double scale = 1.0;      // multiplies the cone's radii (kCone only), > 0
  ConeTable table;         // the table in use (kCone only)
  double margin_nm = 0.0;  // fixed distance added at every lead time, nm, >= 0
};

// The table for `basin` (ATCF letters such as "AL") and `season`: the storm's season, else the
// newest earlier one, else the basin's nearest; a basin without tables uses the Atlantic's.
ConeTable cone_table(const std::string& basin, int season);

// The error radius in nm at lead time `tau_h` (hours from the analysis; negative counts as 0)
// for an analysis position accurate to `accuracy_nm` and made `synoptic_lag_h` hours (0 to 6)
// after the synoptic hour the forecast hours count from: the accuracy at the analysis, each of
// the table's radii (scaled) at its forecast hour, linear between, held beyond the last; the
// mariner's rule is 100 nm per 24 h from the analysis but never less than the accuracy; none is
// 0. The margin is not included.
double error_radius_nm(const ErrorModel& model, double accuracy_nm, double tau_h,
                       double synoptic_lag_h = 0.0);

// "cone", "1-2-3" or "none".
const char* kind_name(ErrorModel::Kind kind);

}  // namespace hurricane::forecast
