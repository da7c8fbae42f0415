// Real storms for the plan's tests and benchmark: the kept advisories read as the program reads
// them, and requests around them with the program's default error model (cone x2, 100 nm).
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "advisory/read_advisory.h"
#include "forecast/from_advisory.h"
#include "land/land.h"
#include "plan/plan.h"

namespace hurricane::plan::testing {

inline forecast::StormTrack read_track(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  const auto read = advisory::read_advisory(bytes.str());
  return *forecast::track_from_advisory(read.value());
}

// The kept storms: Lee (2023, advisory 30, north of the Caribbean), Isabel (2003, advisories
// 20-23, east of the Bahamas), a Pacific storm (EP07 2024).
inline std::vector<forecast::StormTrack> kept_tracks() {
  const std::string advisories = PLAN_ADVISORY_DIR, hindcast = PLAN_HINDCAST_DIR;
  return {read_track(advisories + "/tcm-al132023-30.txt"),
          read_track(hindcast + "/20.132003.index-at.xml"),
          read_track(hindcast + "/23.132003.index-at.xml"),
          read_track(advisories + "/tcm-ep072024-27.txt")};
}

// The shoreline the build makes, loaded once.
inline const land::Land& shoreline() {
  static const land::Land land = [] {
    auto loaded = land::Land::load(HURRICANE_SHORELINE_FILE);
    return std::move(loaded.value());
  }();
  return land;
}

inline PlanRequest request_for(const forecast::StormTrack& track, LatLon ship, double speed_kn) {
  PlanRequest r;
  r.at = track.points.front().time;
  r.ship = ship;
  r.speed_kn = speed_kn;
  r.storms = {track};
  r.error.kind = forecast::ErrorModel::Kind::kCone;
  r.error.scale = 2.0;
  r.error.table = forecast::cone_table(track.basin, track.season);
  r.error.margin_nm = 100.0;
  r.storm_tables = {r.error.table};
  return r;
}

}  // namespace hurricane::plan::testing
