// The body of POST /api/advice read into typed inputs: the same inputs `advise` takes on its
// command line, under the names of its JSON answer.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "analysis/round_values.h"

namespace hurricane::server {

// What the body gives. Numbers are numbers; positions, fixes and times stay the text the
// command line would take ("24.7N,66.4W", "2023-09-12T18:00Z,24.7N,66.4W"), so they are read by
// the same functions. Absent means not given.
struct AdviceQuery {
  std::optional<double> distance_nm;
  std::optional<double> bearing_deg;
  std::optional<double> track_deg;
  std::optional<double> speed_kn;
  std::optional<double> keep_nm;
  std::optional<double> ship_speed_kn;
  std::optional<analysis::Hemisphere> hemisphere;  // absent: from the ship's latitude, or north
  std::optional<std::string> ship;
  std::optional<std::string> storm;
  std::vector<std::string> fixes;  // "TIME,POS", none or two
  std::optional<std::string> at;
  std::optional<std::string> advisory;  // the text of a forecast/advisory, feed or track file
  std::optional<std::string> storm_id;
  std::optional<double> margin_nm;
  bool night = false;  // the picture in the night palette
};

// A reading error: the field (its JSON key, empty for the body as a whole) and what is wrong.
struct QueryError {
  std::string field;
  std::string message;  // "field: what is wrong", ready to show
};

// parse_advice_query: the body as one JSON object. Numbers must be finite JSON numbers;
// "hemisphere" is "north" or "south"; "ship" and "storm" are a position text or {"lat", "lon"}
// in signed degrees; "fixes" a list of "TIME,POS" texts or {"time", "lat", "lon"} objects;
// "at", "advisory" and "storm_id" texts; "night" true or false. An unknown key, a value of the
// wrong type or a body that is not a JSON object is an error naming it. Empty values count as
// absent, so a form can send every field it has.
std::variant<AdviceQuery, QueryError> parse_advice_query(std::string_view body);

}  // namespace hurricane::server
