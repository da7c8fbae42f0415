// The body of POST /api/advice read into the typed request `advise` forms its situation from,
// under the names of its JSON answer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "answer/forecast_options.h"
#include "situation/situation.h"

namespace hurricane::server {

// What the body gives: the command line's request, and what only a picture or an advisory
// needs.
struct AdviceQuery {
  situation::Request request;
  std::optional<std::string> advisory;  // the text of a forecast/advisory, feed or track file
  std::optional<std::string> storm_id;
  std::optional<double> margin_nm;
  bool night = false;                // the picture in the night palette
  answer::ForecastOptions forecast;  // advice [F] with an advisory
  std::optional<std::string> route;  // the text of a GPX or RTZ route the voyage follows
};

// parse_advice_query: the body as one JSON object with the keys of the answer's "situation"
// ("distance_nm", "bearing_deg", "track_deg", "speed_kn", "keep_nm", "ship_speed_kn"), each a
// JSON number or a text the command line would take for it; "hemisphere" "north" or "south";
// "ship" and "storm" a position text ("24.7N,66.4W") or {"lat", "lon"} in signed degrees;
// "fixes" a list of "TIME,POS" texts or {"time", "lat", "lon"} objects, earlier first; "at",
// "advisory" and "storm_id" texts; "margin_nm" a number; "night" true or false; for the escape
// plan "to" a position as "ship" takes it, "route" the text of a GPX or RTZ file, "sea_room_nm"
// a number from 0 to 100 and "avoid_kt" 34, 50 or 64; for advice [F]
// "forecast" true or false, "course_deg" and "horizon_h" numbers, "error" a text as --error
// takes. null, "" and
// [] count as absent, so a form can send every field it has. An unknown key, a value of the
// wrong type, an unreadable number or a body that is not a JSON object is the error: an
// unreadable number's as the situation states it, any other Field::kBody with the key at fault.
Result<AdviceQuery> parse_advice_query(std::string_view body);

// api_field: the key of the body that gives `field` ("ship_speed_kn").
const char* api_field(Field field);

// api_error_field: the key of the body an error is about ("fixes[1]"); empty for the body as a
// whole.
std::string api_error_field(const Error& error);

// api_message: an error as the API states it, every input named by its key:
// `ship "95N,10W": latitude beyond 90 degrees`; an advisory's fault with its line.
std::string api_message(const Error& error);

// api_words: api_message with every input as "{key}", for a form to put its labels in:
// `{ship} "95N,10W": latitude beyond 90 degrees`.
std::string api_words(const Error& error);

}  // namespace hurricane::server
