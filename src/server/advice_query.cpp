#include "server/advice_query.h"

#include <cmath>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <nlohmann/json.hpp>
#include <system_error>

#include "json/keys.h"
#include "situation/number.h"
#include "situation/position.h"
#include "situation/shown_text.h"

namespace hurricane::server {

namespace {

using nlohmann::json;

// `text` with its braces made '?': the body's own text (an unknown key, or one quoted in the
// problem) must not read as an input in a message's template.
std::string without_braces(std::string_view text) {
  std::string plain(text);
  std::replace_if(
      plain.begin(), plain.end(), [](char c) { return c == '{' || c == '}'; }, '?');
  return plain;
}

Error error_of(std::string_view key, std::string_view what) {
  return Error{ErrorKind::kUnusable, Field::kBody, without_braces(key), without_braces(what)};
}

// A value for a message: as typed where that is safe (see shown_text), its quotes and the
// braces that name inputs in a message's template made '?', so the value's end is plain and a
// value cannot pass for an input, and cut short so that a huge value does not make a huge answer.
std::string shown_value(std::string_view text) {
  std::string shown = situation::shown_text(text, 60);
  for (char& c : shown) {
    if (c == '"' || c == '{' || c == '}') c = '?';
  }
  return "\"" + shown + "\"";
}

// What a form sends for a field left empty.
bool absent(const json& value) {
  return value.is_null() || (value.is_string() && value.get_ref<const std::string&>().empty()) ||
         (value.is_array() && value.empty());
}

Result<double> read_number(std::string_view key, Field field, const json& value) {
  if (value.is_number()) return value.get<double>();  // JSON has no NaN or infinity
  if (!value.is_string()) return error_of(key, "expected a number");
  // A text is read as the command line reads the option's value, once the blanks a form
  // field may hold around it are gone.
  std::string_view text = value.get_ref<const std::string&>();
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  // The situation's own error: its field is the key.
  return situation::parse_number(field, text);
}

// A number, or a text holding one as a form field sends it; nothing for anything else.
std::optional<double> plain_number(const json& value) {
  if (value.is_number()) return value.get<double>();  // JSON has no NaN or infinity
  if (!value.is_string()) return std::nullopt;
  const Result<double> read = read_number("", Field::kBody, value);
  return read.ok() ? std::optional<double>(read.value()) : std::nullopt;
}

// Signed decimal degrees, written so that the position reader gets back the same double.
std::string degrees_text(double degrees) {
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, degrees);
  return error == std::errc{} ? std::string(buffer, end) : std::string("nan");
}

// {"lat": .., "lon": ..} (and "time" for a fix) as the text "LAT,LON"; the position reader
// checks the range.
Result<std::string> read_lat_lon(std::string_view key, const json& value, bool with_time) {
  for (const auto& [name, part] : value.items()) {
    if (name != "lat" && name != "lon" && !(with_time && name == "time")) {
      return error_of(key, "unknown key '" + name + "'");
    }
  }
  if (!value.contains("lat") || !value.contains("lon")) {
    return error_of(key, "expected an object with \"lat\" and \"lon\" in degrees");
  }
  std::string text;
  for (const char* name : {"lat", "lon"}) {
    const json& part = value.at(name);
    if (!part.is_number()) return error_of(std::string(key) + "." + name, "expected a number");
    if (!text.empty()) text += ',';
    text += degrees_text(part.get<double>());
  }
  return text;
}

Result<std::string> read_position(std::string_view key, const json& value) {
  if (value.is_object()) return read_lat_lon(key, value, false);
  if (!value.is_string())
    return error_of(key, "expected a position text or an object with \"lat\" and \"lon\"");
  return value.get<std::string>();
}

// One fix: "TIME,POS" or {"time": .., "lat": .., "lon": ..}.
Result<std::string> read_fix(std::string_view key, const json& value) {
  if (value.is_string()) return value.get<std::string>();
  if (!value.is_object() || !value.contains("time") || !value.at("time").is_string()) {
    return error_of(key, "expected \"TIME,POS\" or an object with \"time\", \"lat\" and \"lon\"");
  }
  const auto position = read_lat_lon(key, value, true);
  if (!position.ok()) return position.error();
  return value.at("time").get<std::string>() + "," + position.value();
}

std::optional<Error> read_fixes(const json& value, std::vector<std::string>& fixes) {
  if (!value.is_array()) return error_of("fixes", "expected a list of two fixes");
  if (value.size() != 2) {
    return error_of("fixes",
                    "expected two fixes, earlier first; got " + std::to_string(value.size()));
  }
  for (std::size_t i = 0; i < value.size(); ++i) {
    const auto fix = read_fix("fixes[" + std::to_string(i) + "]", value[i]);
    if (!fix.ok()) return fix.error();
    fixes.push_back(fix.value());
  }
  return std::nullopt;
}

std::optional<Error> read_hemisphere(const json& value, AdviceQuery& query) {
  if (value == "north") {
    query.request.hemisphere = analysis::Hemisphere::kNorth;
  } else if (value == "south") {
    query.request.hemisphere = analysis::Hemisphere::kSouth;
  } else {
    return error_of("hemisphere", "expected \"north\" or \"south\"");
  }
  return std::nullopt;
}

struct NumberKey {
  Field field;
  std::optional<double> situation::Request::*member;
};
constexpr NumberKey kNumberKeys[] = {
    {Field::kDistance, &situation::Request::distance},
    {Field::kBearing, &situation::Request::bearing},
    {Field::kTrack, &situation::Request::track},
    {Field::kSpeed, &situation::Request::speed},
    {Field::kKeep, &situation::Request::keep},
    {Field::kShipSpeed, &situation::Request::ship_speed},
};

// Stores the key's value into the query, or says why it cannot.
std::optional<Error> read_key(const std::string& key, const json& value, AdviceQuery& query) {
  for (const NumberKey& number_key : kNumberKeys) {
    if (key != api_field(number_key.field)) continue;
    const auto number = read_number(key, number_key.field, value);
    if (!number.ok()) return number.error();
    query.request.*number_key.member = number.value();
    return std::nullopt;
  }
  if (key == "ship" || key == "storm") {
    const auto position = read_position(key, value);
    if (!position.ok()) return position.error();
    (key == "ship" ? query.request.ship : query.request.storm) = position.value();
    return std::nullopt;
  }
  if (key == "at" || key == "advisory" || key == "storm_id") {
    if (!value.is_string()) return error_of(key, "expected a text");
    std::optional<std::string>& target =
        key == "at" ? query.request.at : (key == "advisory" ? query.advisory : query.storm_id);
    target = value.get<std::string>();
    return std::nullopt;
  }
  if (key == "margin_nm") {
    const auto number = read_number(key, Field::kMargin, value);
    if (!number.ok()) return number.error();
    query.margin_nm = number.value();
    query.forecast.margin_nm = *query.margin_nm;
    query.forecast.margin_given = true;
    return std::nullopt;
  }
  if (key == "forecast") {
    if (!value.is_boolean()) return error_of(key, "expected true or false");
    query.forecast.enabled = value.get<bool>();
    return std::nullopt;
  }
  if (key == "course_deg" || key == "horizon_h") {
    const bool course = key == "course_deg";
    const double low = course ? 0.0 : answer::kMinHorizonH;
    const double high = course ? 360.0 : answer::kMaxHorizonH;
    const std::optional<double> read = plain_number(value);
    if (!read || *read < low || *read > high) {
      return error_of(
          key, course ? "expected degrees true from 0 to 360" : "expected hours from 12 to 120");
    }
    const double number = *read;
    if (course) {
      query.forecast.voyage_course_deg = number == 360.0 ? 0.0 : number;
    } else {
      query.forecast.horizon_h = number;
    }
    return std::nullopt;
  }
  if (key == "error") {
    const auto choice =
        value.is_string() ? answer::parse_error_choice(value.get<std::string>()) : std::nullopt;
    if (!choice) return error_of(key, "expected cone, cone:SCALE, 1-2-3 or none");
    query.forecast.error = *choice;
    return std::nullopt;
  }
  if (key == "to") {
    const auto position = read_position(key, value);
    if (!position.ok()) return position.error();
    const Result<situation::LatLon> to = situation::parse_position(Field::kShip, position.value());
    if (!to.ok()) return error_of(key, "expected a position, such as \"25.8N,80.2W\"");
    query.forecast.plan_to = to.value();
    return std::nullopt;
  }
  if (key == "route") {
    if (!value.is_string()) return error_of(key, "expected the text of a GPX or RTZ route");
    query.route = value.get<std::string>();
    return std::nullopt;
  }
  if (key == "sea_room_nm") {
    const std::optional<double> read = plain_number(value);
    if (!read || *read < 0.0 || *read > 100.0) return error_of(key, "expected nm from 0 to 100");
    query.forecast.sea_room_nm = *read;
    return std::nullopt;
  }
  if (key == "avoid_kt") {
    const std::optional<double> read = plain_number(value);
    if (!read || (*read != 34.0 && *read != 50.0 && *read != 64.0)) {
      return error_of(key, "expected 34, 50 or 64");
    }
    query.forecast.avoid_kt = static_cast<int>(*read);
    return std::nullopt;
  }
  if (key == "fixes") return read_fixes(value, query.request.storm_fixes);
  if (key == "hemisphere") return read_hemisphere(value, query);
  if (key == "night") {
    if (!value.is_boolean()) return error_of(key, "expected true or false");
    query.night = value.get<bool>();
    return std::nullopt;
  }
  // An empty key is named as it was written, so the refusal still names a field.
  return error_of(key.empty() ? std::string("\"\"") : key, "unknown field");
}

}  // namespace

Result<AdviceQuery> parse_advice_query(std::string_view body) {
  const json document = json::parse(body, nullptr, /*allow_exceptions=*/false);
  if (document.is_discarded()) return error_of("", "the body is not valid JSON");
  if (!document.is_object()) return error_of("", "the body must be a JSON object");
  AdviceQuery query;
  for (const auto& [key, value] : document.items()) {
    if (absent(value)) continue;
    if (std::optional<Error> failure = read_key(key, value, query)) return *failure;
  }
  return query;
}

const char* api_field(Field field) {
  return hurricane::json::key_name(field);
}

namespace {

// `problem` with every brace that does not name an input made '?': a problem may quote the
// input (an advisory's line), and a quoted brace must not read as an input in the template.
std::string plain_braces(std::string_view problem) {
  std::string out(problem);
  for (std::size_t at = 0; at < out.size(); ++at) {
    if (out[at] == '}') {
      out[at] = '?';
      continue;
    }
    if (out[at] != '{') continue;
    const std::size_t close = out.find_first_of("{}", at + 1);
    const std::string_view named = close == std::string::npos || out[close] != '}'
                                       ? std::string_view()
                                       : std::string_view(out).substr(at, close - at + 1);
    // An input's id is worded into something else; anything else is kept as it is.
    if (!named.empty() && worded(named, [](Field) { return std::string(); }) != named) {
      at = close;
    } else {
      out[at] = '?';
    }
  }
  return out;
}

// An error with every input named by its key, in braces when `braced`.
std::string stated(const Error& error, bool braced) {
  const auto name = [braced](std::string_view key) {
    return braced ? "{" + std::string(key) + "}" : std::string(key);
  };
  // The body's own error names its key as written; its problem holds no input's name.
  if (error.field == Field::kBody) {
    return error.value.empty() ? error.problem : name(error.value) + ": " + error.problem;
  }
  const FieldWords words = [&name](Field field) { return name(api_field(field)); };
  std::string text = words(error.field);
  if (error.line > 0) {
    text += ": line " + std::to_string(error.line);
  } else if (!error.value.empty()) {
    text += ' ';
    text += shown_value(error.value);
  }
  text += ": ";
  text += worded(plain_braces(error.problem), words);
  return text;
}

}  // namespace

std::string api_error_field(const Error& error) {
  return error.field == Field::kBody ? error.value : api_field(error.field);
}

std::string api_words(const Error& error) {
  return stated(error, true);
}

std::string api_message(const Error& error) {
  return stated(error, false);
}

}  // namespace hurricane::server
