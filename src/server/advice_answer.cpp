#include "server/advice_answer.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <variant>

#include "analysis/advice.h"
#include "report/report.h"
#include "server/advice_query.h"

namespace hurricane::server {

namespace {

const char* area_name(analysis::Area area) {
  switch (area) {
    case analysis::Area::kInternal:
      return "internal";
    case analysis::Area::kExternal:
      return "external";
    case analysis::Area::kDistant:
      return "distant";
  }
  return "distant";
}

}  // namespace

Reply advice_reply(std::string_view body) {
  const auto parsed = parse_advice_query(body);
  if (const auto* failure = std::get_if<QueryError>(&parsed))
    return error_reply(400, failure->message, failure->field);
  const AdviceQuery& query = std::get<AdviceQuery>(parsed);

  struct Needed {
    const char* key;
    const std::optional<double>& value;
  };
  const Needed needed[] = {
      {"distance_nm", query.distance_nm}, {"bearing_deg", query.bearing_deg},
      {"track_deg", query.track_deg},     {"speed_kn", query.speed_kn},
      {"keep_nm", query.keep_nm},         {"ship_speed_kn", query.ship_speed_kn}};
  for (const Needed& field : needed) {
    if (!field.value) return error_reply(400, std::string(field.key) + ": missing", field.key);
  }
  const analysis::Answers answers{*query.distance_nm, *query.bearing_deg, *query.track_deg,
                                  *query.speed_kn,    *query.keep_nm,     *query.ship_speed_kn};
  const analysis::Hemisphere hemisphere = query.hemisphere.value_or(analysis::Hemisphere::kNorth);
  const analysis::Advice advice = analysis::advise(analysis::round_values(answers), hemisphere);

  nlohmann::ordered_json document;
  document["hemisphere"] = hemisphere == analysis::Hemisphere::kSouth ? "south" : "north";
  document["dangerous_quarter"] = advice.dangerous_quarter;
  document["area"] = area_name(advice.area);
  document["report"] = report::result_lines(advice);
  document["svg"] = "";
  return Reply{200, "application/json", document.dump(), ""};
}

}  // namespace hurricane::server
