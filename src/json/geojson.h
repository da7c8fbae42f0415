// The forecast's areas and the escape plan as a GeoJSON FeatureCollection (RFC 7946), for chart
// software that overlays them: longitude before latitude, times ISO 8601 UTC.
#pragma once

#include <nlohmann/json.hpp>

#include "answer/answer.h"
#include "error/error.h"

namespace hurricane::json {

// The features of `answer`, each with a "kind" property:
//   "danger"  a storm's danger area at one hour (their union is the swath): storm, kt, time
//   "wind"    a storm's wind area at a forecast point: storm, kt, time, radii_nm (NE SE SW NW)
//   "plan"    the plan's track as a LineString through its turns, their times in "times"
//   "turn"    each turn of the plan and its end: name, time, course_deg, speed_kn
// The shapes are the chart's; the plan's features only when a plan was made. Longitudes are
// taken the way nearest the ship's (else the first storm's): near 180 degrees they run past it
// and no shape is cut. The error
// (Field::kAdvisory) says why there are none: advice [F] was left out or judged nothing.
Result<nlohmann::ordered_json> answer_geojson(const answer::Answer& answer);

}  // namespace hurricane::json
