#include "json/plan_json.h"

#include "navigation/utc_time.h"
#include "report/plan_lines.h"

namespace hurricane::json {
namespace {

using nlohmann::ordered_json;

ordered_json plan_point(plan::LatLon at) {
  return {{"lat", at.lat}, {"lon", at.lon}};
}

std::string plan_time(plan::Time at) {
  return navigation::format_utc_time(at);
}

const char* voyage_name(plan::Voyage::Kind kind) {
  switch (kind) {
    case plan::Voyage::Kind::kDestination:
      return "destination";
    case plan::Voyage::Kind::kCourse:
      return "course";
    case plan::Voyage::Kind::kRoute:
      return "route";
    case plan::Voyage::Kind::kNone:
      break;
  }
  return "none";
}

// The lines without the blank one that parts the block from the rest of the text.
ordered_json report_lines(const plan::Plan& plan, std::optional<plan::Time> next_advisory) {
  std::vector<std::string> lines = report::plan_lines(plan, next_advisory);
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

}  // namespace

ordered_json plan_json(const plan::Plan& plan, std::optional<plan::Time> next_advisory) {
  ordered_json object = {{"judged", plan.judged}};
  if (!plan.judged) {
    object["report"] = report_lines(plan, next_advisory);
    return object;
  }
  object["avoid_kt"] = plan.avoid_kt;
  object["sea_room_nm"] = plan.land_held ? ordered_json(plan.sea_room_nm) : ordered_json(nullptr);
  object["reduced_sea_room_nm"] =
      plan.reduced_sea_room_nm ? ordered_json(*plan.reduced_sea_room_nm) : ordered_json(nullptr);
  object["until"] = plan_time(plan.until);
  object["voyage"] = voyage_name(plan.voyage);
  object["holds_voyage_until"] = plan.holds_voyage_until
                                     ? ordered_json(plan_time(*plan.holds_voyage_until))
                                     : ordered_json(nullptr);
  ordered_json legs = ordered_json::array();
  for (const plan::PlannedLeg& leg : plan.legs) {
    legs.push_back({{"course_deg", leg.course_deg},
                    {"speed_kn", leg.speed_kn},
                    {"start", plan_time(leg.start)},
                    {"end", plan_time(leg.end)},
                    {"from", plan_point(leg.from)},
                    {"to", plan_point(leg.to)}});
  }
  object["legs"] = std::move(legs);
  if (plan.resume) {
    object["resume"] = {
        {"course_deg", plan.resume->course_deg},
        {"waypoint",
         plan.resume->waypoint ? ordered_json(*plan.resume->waypoint + 1) : ordered_json(nullptr)},
        {"start", plan_time(plan.resume->start)},
        {"from", plan_point(plan.resume->from)}};
  } else {
    object["resume"] = nullptr;
  }
  object["least_clearance_nm"] = plan.least_clearance_nm;
  object["at"] = {{"time", plan_time(plan.least_clearance_at)},
                  {"position", plan_point(plan.least_clearance_place)}};
  if (plan.least_sea_room_nm) {
    object["least_sea_room_nm"] = *plan.least_sea_room_nm;
    object["sea_room_at"] = {{"time", plan_time(plan.sea_room_at)},
                             {"position", plan_point(plan.sea_room_place)}};
  } else {
    object["least_sea_room_nm"] = nullptr;
    object["sea_room_at"] = nullptr;
  }
  object["progress_nm"] = plan.progress_nm;
  object["short_of_land"] =
      plan.short_of_land ? ordered_json{{"time", plan_time(plan.short_of_land->at)},
                                        {"position", plan_point(plan.short_of_land->position)}}
                         : ordered_json(nullptr);
  switch (plan.decide_by.kind) {
    case plan::DecideBy::Kind::kNone:
      object["decide_by"] = nullptr;
      break;
    case plan::DecideBy::Kind::kNow:
      object["decide_by"] = "now";
      break;
    case plan::DecideBy::Kind::kAt:
      object["decide_by"] = plan_time(plan.decide_by.at);
      break;
  }
  object["keeps_clear"] = plan.keeps_clear;
  object["meets"] = plan.meets;
  // Every turn and the horizon's end, as the route files give them.
  ordered_json track = ordered_json::array();
  for (const plan::TrackTurn& turn : plan.track) {
    track.push_back({{"time", plan_time(turn.at)},
                     {"position", plan_point(turn.position)},
                     {"course_deg", turn.course_deg},
                     {"speed_kn", turn.speed_kn}});
  }
  object["track"] = std::move(track);
  object["report"] = report_lines(plan, next_advisory);
  return object;
}

}  // namespace hurricane::json
