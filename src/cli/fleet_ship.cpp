#include "cli/fleet_ship.h"

#include <array>
#include <nlohmann/json.hpp>
#include <optional>

#include "answer/answer.h"
#include "cli/messages.h"
#include "json/answer_json.h"
#include "situation/position.h"
#include "situation/situation.h"
#include "situation/utc_time.h"

namespace hurricane::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<std::string_view, 6> kFields = {"id",     "position", "speed",
                                                     "course", "time",     "to"};

struct Ship {
  std::string id;
  std::string position;
  double speed_kn = 0.0;
  std::optional<double> course_deg;
  std::optional<std::string> time;
  std::optional<situation::LatLon> to;  // the destination the escape plan is bound for
};

std::string error_answer(std::size_t line_number, const std::string& id, std::string problem) {
  Json answer;
  answer["id"] = id.empty() ? Json(nullptr) : Json(id);
  answer["line"] = line_number;
  answer["error"] = std::move(problem);
  return answer.dump();
}

// A fault of a ship's line: Field::kBody with the key at fault (none for the line as a whole).
Error line_fault(std::string key, std::string problem) {
  return Error{ErrorKind::kUnusable, Field::kBody, std::move(key), std::move(problem)};
}

// The ship of `object`, or the problem with it.
Result<Ship> read_ship(const nlohmann::json& object) {
  Ship ship;
  for (const auto& [key, value] : object.items()) {
    if (std::find(kFields.begin(), kFields.end(), key) == kFields.end()) {
      return line_fault("", "unknown field " + cli::quoted(key) +
                                ": expected id, position, speed, course, time, to");
    }
  }
  const auto id = object.find("id");
  if (id != object.end() && id->is_string()) ship.id = id->get<std::string>();
  if (id != object.end() && id->is_number_integer()) ship.id = std::to_string(id->get<long long>());
  if (ship.id.empty()) return line_fault("id", "a non-empty string or a whole number is needed");
  const auto position = object.find("position");
  if (position == object.end() || !position->is_string()) {
    return line_fault("position", "needed as text, such as \"24.0N,88.0W\"");
  }
  ship.position = position->get<std::string>();
  const auto speed = object.find("speed");
  if (speed == object.end() || !speed->is_number() || !(speed->get<double>() > 0.0) ||
      speed->get<double>() > situation::kFastestShipKn) {
    // The same limit as `advise` and the API: one ship-speed limit for every front-end.
    return line_fault("speed", "needed in knots, above 0 and at most " +
                                   std::to_string(static_cast<int>(situation::kFastestShipKn)));
  }
  ship.speed_kn = speed->get<double>();
  if (const auto course = object.find("course"); course != object.end()) {
    if (!course->is_number() || !(course->get<double>() >= 0.0) || course->get<double>() >= 360.0) {
      return line_fault("course", "degrees true from 0 up to 360");
    }
    ship.course_deg = course->get<double>();
  }
  if (const auto time = object.find("time"); time != object.end()) {
    if (!time->is_string())
      return line_fault("time", "ISO 8601 UTC text, such as 2023-09-12T18:00Z");
    ship.time = time->get<std::string>();
  }
  if (const auto to = object.find("to"); to != object.end()) {
    const Result<situation::LatLon> place =
        to->is_string() ? situation::parse_position(Field::kShip, to->get<std::string>())
                        : Result<situation::LatLon>(line_fault("to", ""));
    if (!place.ok()) return line_fault("to", "a position as text, such as \"25.8N,80.2W\"");
    ship.to = place.value();
  }
  return ship;
}

// An input as a fleet line names it: the ship's own by the line's field, the storm's by the
// fleet command's option; the keep, which neither gives, by its plain name.
std::string fleet_words(Field field) {
  switch (field) {
    case Field::kShip:
      return "position";
    case Field::kShipSpeed:
      return "speed";
    case Field::kAt:
      return "time";
    case Field::kKeep:
      return "keep";  // a fleet gives none: the classic advice of a storm without gales lacks it
    default:
      return option_name(field);
  }
}

// "position \"95N,53W\": latitude beyond 90 degrees", every input named as fleet_words does.
std::string line_problem(const Error& error) {
  std::string text = fleet_words(error.field);
  if (!error.value.empty()) text += " " + cli::quoted(error.value);
  return text + ": " + worded(error.problem, fleet_words);
}

// The one answer for `ship`, its JSON split into the classic advice and advice [F].
std::string ship_answer(std::size_t line_number, const Ship& ship, const FleetStorms& storms,
                        std::string_view version) {
  answer::Request request;
  request.situation.ship = ship.position;
  request.situation.ship_speed = ship.speed_kn;
  request.situation.at = ship.time;
  request.advisory = answer::AdvisoryInput{storms.advisory_text, storms.storm_id, std::nullopt};
  request.shoreline = storms.shoreline;
  request.forecast = storms.forecast;
  request.forecast.voyage_course_deg = ship.course_deg;
  request.forecast.plan_to = ship.to;
  request.more_storms = storms.more_storms;
  const Result<answer::Answer> answered = answer::answer(request);
  if (!answered.ok()) return error_answer(line_number, ship.id, line_problem(answered.error()));
  Json classic = json::answer_json(answered.value(), version);
  Json forecast = std::move(classic["forecast"]);
  classic.erase("forecast");
  classic.erase("advisory");  // the same for every ship
  Json plan = classic.contains("plan") ? std::move(classic["plan"]) : Json(nullptr);
  classic.erase("plan");
  Json line;
  line["id"] = ship.id;
  line["plan"] = std::move(plan);
  line["classic"] = std::move(classic);
  line["forecast"] = std::move(forecast);
  return line.dump();
}

}  // namespace

std::string fleet_answer(std::size_t line_number, std::string_view line, const FleetStorms& storms,
                         std::string_view version) {
  const nlohmann::json object = nlohmann::json::parse(line, nullptr, false);
  if (object.is_discarded() || !object.is_object()) {
    return error_answer(line_number, "", "not a JSON object");
  }
  const Result<Ship> read = read_ship(object);
  if (!read.ok()) {
    const Error& fault = read.error();
    const auto id = object.find("id");
    return error_answer(line_number,
                        id != object.end() && id->is_string() ? id->get<std::string>() : "",
                        fault.value.empty() ? fault.problem : fault.value + ": " + fault.problem);
  }
  const Ship& ship = read.value();
  const Result<situation::LatLon> at = situation::parse_position(Field::kShip, ship.position);
  if (!at.ok()) return error_answer(line_number, ship.id, line_problem(at.error()));
  if (ship.time) {
    const Result<situation::UtcTime> parsed = situation::parse_utc_time(Field::kAt, *ship.time);
    if (!parsed.ok()) {
      return error_answer(line_number, ship.id, line_problem(parsed.error()));
    }
  }
  return ship_answer(line_number, ship, storms, version);
}

}  // namespace hurricane::cli
