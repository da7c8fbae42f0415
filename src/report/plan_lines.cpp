#include "report/plan_lines.h"

#include <cmath>
#include <cstdio>

#include "navigation/utc_time.h"

namespace hurricane::report {
namespace {

using navigation::format_day_time;

std::string decimals(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// Degrees and minutes to 0.1': "22°10.0'N 086°40.0'W".
std::string degrees_minutes(plan::LatLon at) {
  auto part = [](double value, int width, char plus, char minus) {
    const double tenths = std::round(std::fabs(value) * 600.0);
    const int degrees = static_cast<int>(tenths / 600.0);
    const double minutes = (tenths - degrees * 600.0) / 10.0;
    char text[32];
    std::snprintf(text, sizeof text, "%0*d\u00b0%04.1f'%c", width, degrees, minutes,
                  value < 0.0 ? minus : plus);
    return std::string(text);
  };
  return part(at.lat, 2, 'N', 'S') + " " + part(at.lon, 3, 'E', 'W');
}

std::string three_digits(int degrees) {
  char text[8];
  std::snprintf(text, sizeof text, "%03d", degrees);
  return text;
}

std::string span_hours(plan::Time from, plan::Time to) {
  return decimals(navigation::hours_between(from, to), 0) + " h";
}

std::string plan_leg_line(const plan::PlannedLeg& leg) {
  const std::string span = format_day_time(leg.start) + " to " + format_day_time(leg.end) + " (" +
                           span_hours(leg.start, leg.end) + ")";
  if (leg.speed_kn <= 0.0) return "heave to, " + span + ", at " + degrees_minutes(leg.from);
  return "steer " + three_digits(leg.course_deg) + " at " + decimals(leg.speed_kn, 1) + " kn, " +
         span + ", to " + degrees_minutes(leg.to);
}

std::string stop_short_line(const plan::Plan& plan) {
  const char* what = plan.voyage == plan::Voyage::Kind::kCourse  ? "the voyage's course"
                     : plan.voyage == plan::Voyage::Kind::kRoute ? "the route"
                                                                 : "the line to the destination";
  return "stop short at " + format_day_time(plan.short_of_land->at) + ", " +
         degrees_minutes(plan.short_of_land->position) + " to keep " +
         decimals(plan::kept_sea_room_nm(plan), 0) + " nm off the shore: " + what +
         " meets land there; give a route around it";
}

}  // namespace

std::vector<std::string> plan_lines(const plan::Plan& plan,
                                    std::optional<plan::Time> next_advisory) {
  if (!plan.judged) return {"Escape plan: no storm is forecast within the horizon.", ""};
  std::vector<std::string> lines;
  std::string heading = "Escape plan to " + format_day_time(plan.until) + ", out of the " +
                        std::to_string(plan.avoid_kt) + "-kt danger area";
  const double sea_room = plan::kept_sea_room_nm(plan);
  if (plan.land_held) heading += " and " + decimals(sea_room, 0) + " nm off the shore";
  lines.push_back(heading + ":");
  if (plan.reduced_sea_room_nm) {
    lines.push_back("SEA ROOM REDUCED: no plan keeps clear " + decimals(plan.sea_room_nm, 0) +
                    " nm off the shore; this one keeps " + decimals(sea_room, 0) + " nm.");
  }
  if (!plan.keeps_clear) {
    lines.push_back(
        "NO PLAN KEEPS CLEAR. The least bad goes least deep and leaves soonest; it meets " +
        (plan.meets > 0 ? "the " + std::to_string(plan.meets) + "-kt winds."
                        : "no forecast wind area, only the forecast error and margin."));
  }
  // Where the voyage stops short while it is held, the ship lies there before its first leg:
  // said in its place, before the legs, not after the voyage is resumed.
  const bool short_while_held = plan.short_of_land && plan.holds_voyage_until &&
                                plan.short_of_land->at <= *plan.holds_voyage_until;
  if (plan.holds_voyage_until) {
    lines.push_back(plan.legs.empty()
                        ? (plan.keeps_clear ? "hold the voyage: it keeps clear" : "hold the voyage")
                        : "hold the voyage until " + format_day_time(*plan.holds_voyage_until));
  }
  if (short_while_held) lines.push_back(stop_short_line(plan));
  for (const plan::PlannedLeg& leg : plan.legs) lines.push_back(plan_leg_line(leg));
  if (plan.resume) {
    std::string line = "resume " + three_digits(plan.resume->course_deg) + " from " +
                       format_day_time(plan.resume->start);
    if (plan.voyage == plan::Voyage::Kind::kDestination) {
      line += ", for the destination";
    } else if (plan.resume->waypoint) {
      line += ", for waypoint " + std::to_string(*plan.resume->waypoint + 1) + " of the route";
    }
    lines.push_back(line);
  }
  if (plan.short_of_land && !short_while_held) lines.push_back(stop_short_line(plan));
  // Held short of the shore and resumed later, the voyage may stop short again on its way.
  if (short_while_held) {
    for (const plan::TrackTurn& turn : plan.track) {
      if (turn.kind != plan::TrackTurn::Kind::kStopShort || !(turn.at > plan.short_of_land->at))
        continue;
      lines.push_back("stop short again at " + format_day_time(turn.at) + ", " +
                      degrees_minutes(turn.position) + " to keep " +
                      decimals(plan::kept_sea_room_nm(plan), 0) + " nm off the shore");
    }
  }
  const std::string where =
      format_day_time(plan.least_clearance_at) + ", " + degrees_minutes(plan.least_clearance_place);
  lines.push_back(plan.least_clearance_nm >= 0.0
                      ? "least clearance " + decimals(plan.least_clearance_nm, 1) + " nm at " +
                            where
                      : "deepest " + decimals(-plan.least_clearance_nm, 1) +
                            " nm inside the danger area at " + where);
  if (plan.land_held) {
    lines.push_back(
        plan.least_sea_room_nm
            ? "least sea room " + decimals(*plan.least_sea_room_nm, 1) + " nm at " +
                  format_day_time(plan.sea_room_at) + ", " + degrees_minutes(plan.sea_room_place)
            : "least sea room: no shoreline within " + decimals(sea_room + 20.0, 0) + " nm");
  }
  if (plan.voyage != plan::Voyage::Kind::kNone) {
    // (+ 0.0: a step back of less than half a mile reads 0, not -0.)
    lines.push_back("progress " + decimals(std::round(plan.progress_nm) + 0.0, 0) +
                    " nm made good by " + format_day_time(plan.until));
  }
  switch (plan.decide_by.kind) {
    case plan::DecideBy::Kind::kNone:
      break;
    case plan::DecideBy::Kind::kNow:
      if (plan.keeps_clear) lines.push_back("decide now: holding the voyage leaves no plan clear");
      break;
    case plan::DecideBy::Kind::kAt:
      lines.push_back("decide by " + format_day_time(plan.decide_by.at) +
                      ": after that no plan keeps clear");
      break;
  }
  if (next_advisory) {
    lines.push_back("next advisory due " + format_day_time(*next_advisory) +
                    ": plan again with it");
  }
  lines.push_back("");
  return lines;
}

}  // namespace hurricane::report
