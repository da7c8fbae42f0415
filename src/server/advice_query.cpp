#include "server/advice_query.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <system_error>

namespace hurricane::server {

namespace {

using nlohmann::json;

QueryError error_of(std::string_view field, std::string_view what) {
  std::string message =
      field.empty() ? std::string(what) : std::string(field) + ": " + std::string(what);
  return QueryError{std::string(field), std::move(message)};
}

// A value quoted for a message, cut short so a huge value does not make a huge answer.
std::string shown_value(std::string_view text) {
  constexpr std::size_t kShown = 40;
  std::string shown(text.substr(0, kShown));
  if (text.size() > kShown) shown += "...";
  return "'" + shown + "'";
}

// What a form sends for a field left empty.
bool absent(const json& value) {
  return value.is_null() || (value.is_string() && value.get_ref<const std::string&>().empty()) ||
         (value.is_array() && value.empty());
}

// A decimal number as the whole of a text, blanks around it allowed (what a form field holds).
std::optional<double> number_in(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::variant<double, QueryError> read_number(std::string_view key, const json& value) {
  if (value.is_number()) {
    const double number = value.get<double>();
    if (!std::isfinite(number)) return error_of(key, "not a finite number");
    return number;
  }
  if (value.is_string()) {
    const std::string& text = value.get_ref<const std::string&>();
    if (const std::optional<double> number = number_in(text)) return *number;
    return error_of(key, shown_value(text) + " is not a number");
  }
  return error_of(key, "expected a number");
}

std::variant<std::string, QueryError> read_text(std::string_view key, const json& value) {
  if (!value.is_string()) return error_of(key, "expected a text");
  return value.get<std::string>();
}

// Signed decimal degrees written so the position parser reads back the same double.
std::string degrees_text(double degrees) {
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, degrees);
  return error == std::errc{} ? std::string(buffer, end) : std::string("nan");
}

// {"lat": .., "lon": ..} as the text "LAT,LON"; the range is the position parser's to check.
std::variant<std::string, QueryError> read_lat_lon(std::string_view key, const json& value,
                                                   bool with_time) {
  if (!value.contains("lat") || !value.contains("lon")) {
    return error_of(key, "expected {\"lat\": degrees, \"lon\": degrees}");
  }
  for (const auto& [name, part] : value.items()) {
    if (name != "lat" && name != "lon" && !(with_time && name == "time")) {
      return error_of(key, "unknown key '" + name + "'");
    }
  }
  double parts[2] = {};
  const char* names[2] = {"lat", "lon"};
  for (int i = 0; i < 2; ++i) {
    const auto number = read_number(std::string(key) + "." + names[i], value.at(names[i]));
    if (const auto* failure = std::get_if<QueryError>(&number)) return *failure;
    parts[i] = std::get<double>(number);
  }
  return degrees_text(parts[0]) + "," + degrees_text(parts[1]);
}

std::variant<std::string, QueryError> read_position(std::string_view key, const json& value) {
  if (value.is_object()) return read_lat_lon(key, value, false);
  if (!value.is_string()) return error_of(key, "expected a position text or {\"lat\", \"lon\"}");
  return value.get<std::string>();
}

// One fix: "TIME,POS" or {"time": .., "lat": .., "lon": ..}.
std::variant<std::string, QueryError> read_fix(std::string_view key, const json& value) {
  if (value.is_string()) return value.get<std::string>();
  if (!value.is_object() || !value.contains("time") || !value.at("time").is_string()) {
    return error_of(key, "expected \"TIME,POS\" or {\"time\", \"lat\", \"lon\"}");
  }
  const auto position = read_lat_lon(key, value, true);
  if (const auto* failure = std::get_if<QueryError>(&position)) return *failure;
  return value.at("time").get<std::string>() + "," + std::get<std::string>(position);
}

std::optional<QueryError> read_fixes(const json& value, std::vector<std::string>& fixes) {
  if (!value.is_array()) return error_of("fixes", "expected a list of two fixes");
  if (value.size() != 2) {
    return error_of("fixes", "expected two fixes, got " + std::to_string(value.size()));
  }
  for (std::size_t i = 0; i < value.size(); ++i) {
    const auto fix = read_fix("fixes[" + std::to_string(i) + "]", value[i]);
    if (const auto* failure = std::get_if<QueryError>(&fix)) return *failure;
    fixes.push_back(std::get<std::string>(fix));
  }
  return std::nullopt;
}

std::optional<QueryError> read_hemisphere(const json& value, AdviceQuery& query) {
  if (value.is_string()) {
    const std::string& text = value.get_ref<const std::string&>();
    if (text == "north") {
      query.hemisphere = analysis::Hemisphere::kNorth;
      return std::nullopt;
    }
    if (text == "south") {
      query.hemisphere = analysis::Hemisphere::kSouth;
      return std::nullopt;
    }
  }
  return error_of("hemisphere", "expected \"north\" or \"south\"");
}

// Stores the key's value into the query, or says why it cannot.
std::optional<QueryError> read_key(const std::string& key, const json& value, AdviceQuery& query) {
  struct NumberKey {
    const char* name;
    std::optional<double> AdviceQuery::*member;
  };
  static constexpr NumberKey kNumbers[] = {
      {"distance_nm", &AdviceQuery::distance_nm}, {"bearing_deg", &AdviceQuery::bearing_deg},
      {"track_deg", &AdviceQuery::track_deg},     {"speed_kn", &AdviceQuery::speed_kn},
      {"keep_nm", &AdviceQuery::keep_nm},         {"ship_speed_kn", &AdviceQuery::ship_speed_kn},
      {"margin_nm", &AdviceQuery::margin_nm},
  };
  for (const NumberKey& number_key : kNumbers) {
    if (key != number_key.name) continue;
    const auto number = read_number(key, value);
    if (const auto* failure = std::get_if<QueryError>(&number)) return *failure;
    query.*number_key.member = std::get<double>(number);
    return std::nullopt;
  }
  struct TextKey {
    const char* name;
    std::optional<std::string> AdviceQuery::*member;
    bool position;
  };
  static constexpr TextKey kTexts[] = {
      {"ship", &AdviceQuery::ship, true},
      {"storm", &AdviceQuery::storm, true},
      {"at", &AdviceQuery::at, false},
      {"advisory", &AdviceQuery::advisory, false},
      {"storm_id", &AdviceQuery::storm_id, false},
  };
  for (const TextKey& text_key : kTexts) {
    if (key != text_key.name) continue;
    const auto text = text_key.position ? read_position(key, value) : read_text(key, value);
    if (const auto* failure = std::get_if<QueryError>(&text)) return *failure;
    query.*text_key.member = std::get<std::string>(text);
    return std::nullopt;
  }
  if (key == "fixes") return read_fixes(value, query.fixes);
  if (key == "hemisphere") return read_hemisphere(value, query);
  if (key == "night") {
    if (!value.is_boolean()) return error_of(key, "expected true or false");
    query.night = value.get<bool>();
    return std::nullopt;
  }
  return error_of(key, "unknown field");
}

}  // namespace

std::variant<AdviceQuery, QueryError> parse_advice_query(std::string_view body) {
  const json document = json::parse(body, nullptr, /*allow_exceptions=*/false);
  if (document.is_discarded()) return error_of("", "the body is not valid JSON");
  if (!document.is_object()) return error_of("", "the body must be a JSON object");
  AdviceQuery query;
  for (const auto& [key, value] : document.items()) {
    if (absent(value)) continue;
    if (std::optional<QueryError> failure = read_key(key, value, query)) return *failure;
  }
  return query;
}

}  // namespace hurricane::server
