// One ship of a fleet: its JSON line read, and its answer as one JSON line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "forecast/track.h"

namespace hurricane::cli {

// What every ship is judged against.
struct FleetStorms {
  std::string advisory_text;                 // the first advisory: the classic advice's storm
  std::string storm_id;                      // of it, when it holds several
  std::vector<forecast::StormTrack> tracks;  // every advisory's forecast, for advice [F]
  forecast::Time fix_time{};                 // the first advisory's fix: the default time
  double horizon_h = 72.0;
  double cone_scale = 2.0;
  double margin_nm = 100.0;
};

// The answer to input line `line_number` (1-based) holding `line`: {"id", "classic",
// "forecast"}, or {"id", "line", "error"} when the line is not a ship: not a JSON object, an
// unknown field, a missing or unusable id, position, speed, course or time.
std::string fleet_answer(std::size_t line_number, std::string_view line, const FleetStorms& storms,
                         std::string_view version);

}  // namespace hurricane::cli
