#include "cli/fleet_ship.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>

#include "advisory_situation/situation_from_advisory.h"
#include "analysis/advice.h"
#include "cli/messages.h"
#include "forecast/advice.h"
#include "hindcast/policy.h"
#include "json/advice_json.h"
#include "json/forecast_json.h"
#include "situation/position.h"
#include "situation/utc_time.h"

namespace hurricane::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<std::string_view, 5> kFields = {"id", "position", "speed", "course", "time"};

struct Ship {
  std::string id;
  std::string position;
  double speed_kn = 0.0;
  std::optional<double> course_deg;
  std::optional<std::string> time;
};

std::string error_answer(std::size_t line_number, const std::string& id, std::string problem) {
  Json answer;
  answer["id"] = id.empty() ? Json(nullptr) : Json(id);
  answer["line"] = line_number;
  answer["error"] = std::move(problem);
  return answer.dump();
}

// The ship of `object`, or the problem with it.
std::variant<Ship, std::string> read_ship(const nlohmann::json& object) {
  Ship ship;
  for (const auto& [key, value] : object.items()) {
    if (std::find(kFields.begin(), kFields.end(), key) == kFields.end()) {
      return std::string("unknown field ") + cli::quoted(key) +
             ": expected id, position, speed, course, time";
    }
  }
  const auto id = object.find("id");
  if (id != object.end() && id->is_string()) ship.id = id->get<std::string>();
  if (id != object.end() && id->is_number_integer()) ship.id = std::to_string(id->get<long long>());
  if (ship.id.empty()) return std::string("id: a non-empty string or a whole number is needed");
  const auto position = object.find("position");
  if (position == object.end() || !position->is_string()) {
    return std::string("position: needed as text, such as \"24.0N,88.0W\"");
  }
  ship.position = position->get<std::string>();
  const auto speed = object.find("speed");
  if (speed == object.end() || !speed->is_number() || !(speed->get<double>() > 0.0) ||
      speed->get<double>() > 60.0) {
    return std::string("speed: needed in knots, above 0 and at most 60");
  }
  ship.speed_kn = speed->get<double>();
  if (const auto course = object.find("course"); course != object.end()) {
    if (!course->is_number() || !(course->get<double>() >= 0.0) || course->get<double>() >= 360.0) {
      return std::string("course: degrees true from 0 up to 360");
    }
    ship.course_deg = course->get<double>();
  }
  if (const auto time = object.find("time"); time != object.end()) {
    if (!time->is_string())
      return std::string("time: ISO 8601 UTC text, such as 2023-09-12T18:00Z");
    ship.time = time->get<std::string>();
  }
  return ship;
}

// An input as a fleet line names it: the ship's own by the line's field, the storm's by the
// fleet command's option; the keep, which neither gives, by its plain name.
std::string fleet_words(situation::Field field) {
  switch (field) {
    case situation::Field::kShip:
      return "position";
    case situation::Field::kShipSpeed:
      return "speed";
    case situation::Field::kAt:
      return "time";
    case situation::Field::kKeep:
      return "keep";  // a fleet gives none: the classic advice of a storm without gales lacks it
    default:
      return option_name(field);
  }
}

// "position \"95N,53W\": latitude beyond 90 degrees", every input named as fleet_words does.
std::string line_problem(const situation::Error& error) {
  std::string text = fleet_words(error.field);
  if (!error.value.empty()) text += " " + cli::quoted(error.value);
  return text + ": " + situation::worded(error.problem, fleet_words);
}

Json classic_answer(const Ship& ship, const FleetStorms& storms, std::string_view version) {
  situation::Request request;
  request.ship = ship.position;
  request.ship_speed = ship.speed_kn;
  request.at = ship.time;
  const auto formed = advisory_situation::situation_from_advisory(
      {storms.advisory_text, storms.storm_id, std::nullopt}, request);
  if (!formed.ok()) return {{"error", line_problem(formed.error())}};
  const auto& advised = formed.value();
  // A storm without 34-kt winds: the classic advice needs a keep the fleet file does not give.
  if (advised.classic_needs) return {{"error", line_problem(*advised.classic_needs)}};
  const situation::Situation& formed_situation = advised.situation;
  const analysis::Advice advice = analysis::advise(analysis::round_values(formed_situation.answers),
                                                   formed_situation.hemisphere);
  return json::advice_json(formed_situation, advice, version);
}

Json forecast_answer(const Ship& ship, situation::LatLon at, forecast::Time time,
                     const FleetStorms& storms) {
  if (storms.tracks.empty()) return json::forecast_json_without("no advisory holds a forecast");
  forecast::SweepRequest request;
  request.at = time;
  request.ship = {at.lat, at.lon};
  request.speed_kn = ship.speed_kn;
  request.horizon_h = storms.horizon_h;
  request.error =
      hindcast::forecast_error(storms.tracks.front(), storms.cone_scale, storms.margin_nm);
  // Each storm with its own basin's and season's cone, as advise judges several storms.
  for (const forecast::StormTrack& track : storms.tracks) {
    request.storm_tables.push_back(forecast::cone_table(track.basin, track.season));
  }
  return json::forecast_json(forecast::advise_forecast(storms.tracks, request, ship.course_deg));
}

}  // namespace

std::string fleet_answer(std::size_t line_number, std::string_view line, const FleetStorms& storms,
                         std::string_view version) {
  const nlohmann::json object = nlohmann::json::parse(line, nullptr, false);
  if (object.is_discarded() || !object.is_object()) {
    return error_answer(line_number, "", "not a JSON object");
  }
  const auto read = read_ship(object);
  if (const auto* problem = std::get_if<std::string>(&read)) {
    const auto id = object.find("id");
    return error_answer(
        line_number, id != object.end() && id->is_string() ? id->get<std::string>() : "", *problem);
  }
  const Ship& ship = std::get<Ship>(read);
  const situation::Result<situation::LatLon> at =
      situation::parse_position(situation::Field::kShip, ship.position);
  if (!at.ok()) return error_answer(line_number, ship.id, line_problem(at.error()));
  forecast::Time time = storms.fix_time;
  if (ship.time) {
    const situation::Result<situation::UtcTime> parsed =
        situation::parse_utc_time(situation::Field::kAt, *ship.time);
    if (!parsed.ok()) {
      return error_answer(line_number, ship.id, line_problem(parsed.error()));
    }
    time = parsed.value();
  }
  Json answer;
  answer["id"] = ship.id;
  answer["classic"] = classic_answer(ship, storms, version);
  answer["forecast"] = forecast_answer(ship, at.value(), time, storms);
  return answer.dump();
}

}  // namespace hurricane::cli
