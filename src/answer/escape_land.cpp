#include "answer/escape_land.h"

#include <string>

namespace hurricane::answer {
namespace {

const situation::LatLon* ship_position(const situation::Situation& situation) {
  return situation.derived && situation.derived->ship ? &*situation.derived->ship : nullptr;
}

}  // namespace

std::optional<Error> ship_on_land(const land::Land& land, const situation::Situation& situation) {
  const situation::LatLon* ship = ship_position(situation);
  if (!ship || !land.on_land(ship->lat, ship->lon)) return std::nullopt;
  return Error{ErrorKind::kUnusable, Field::kShip, situation::format_position(*ship),
               "the ship's position " + situation::format_position(*ship) + " is on land (" +
                   std::string(land.source()) + "); check it, N for S and E for W"};
}

std::optional<Error> check_escapes(const land::Land& land, const situation::Situation& situation,
                                   analysis::Advice& advice) {
  const situation::LatLon* ship = ship_position(situation);
  if (!ship) return std::nullopt;
  if (auto refused = ship_on_land(land, situation)) return refused;
  advice.courses.land = {analysis::LandCheck::kChecked, std::string(land.source()),
                         kEscapeHorizonH};
  const double speed_kn = advice.values.vship;  // the full speed the escapes are judged at
  for (analysis::Escape& escape : advice.courses.escapes) {
    const auto met =
        land.first_landfall(ship->lat, ship->lon, escape.course, speed_kn * kEscapeHorizonH);
    if (met) escape.land = analysis::LandMeeting{met->distance_nm / speed_kn, met->lat, met->lon};
  }
  return std::nullopt;
}

void land_turned_off(const situation::Situation& situation, analysis::Advice& advice) {
  if (ship_position(situation)) advice.courses.land.check = analysis::LandCheck::kOff;
}

}  // namespace hurricane::answer
