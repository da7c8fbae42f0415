// What was read from an advisory as the JSON object "advisory"; its keys are fixed by
// docs/advice.schema.json ($defs/advisory).
#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

#include "answer/situation_from_advisory.h"

namespace hurricane::json {

// advisory_json: storm_id, name, kind, number (null from ATCF), issued (ISO 8601, null from
// ATCF), analysis_technique (from ATCF: OFCL, CARQ or BEST, else null), centre {lat, lon, time},
// accuracy_nm (or null), movement {track_deg, speed_kn} (null when stationary), max_wind_kt,
// radii_nm {"34", "50", "64"} each {ne, se, sw, nw} or null, forecast [{time, lat, lon,
// max_wind_kt}] (forecast then outlook points), keep_source, jtwc_warning (null unless a JTWC
// warning: final, wind_average_min, movement_past_h, remarks_position, wave_height_ft,
// next_warnings), text_warnings [{line, message}], and advisory_keep {nm, source}: the distance the
// 34-kt radii suggest, also when the navigator gave another (null without 34-kt winds).
nlohmann::ordered_json advisory_json(const answer::AdvisedStorm& advised,
                                     std::string_view keep_source);

}  // namespace hurricane::json
