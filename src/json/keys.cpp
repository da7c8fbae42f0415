#include "json/keys.h"

namespace hurricane::json {

const char* key_name(Field field) {
  switch (field) {
    case Field::kDistance:
      return "distance_nm";
    case Field::kBearing:
      return "bearing_deg";
    case Field::kTrack:
      return "track_deg";
    case Field::kSpeed:
      return "speed_kn";
    case Field::kKeep:
      return "keep_nm";
    case Field::kShipSpeed:
      return "ship_speed_kn";
    case Field::kShip:
      return "ship";
    case Field::kStorm:
      return "storm";
    case Field::kStormFix:
      return "fixes";
    case Field::kAt:
      return "at";
    case Field::kHemisphere:
      return "hemisphere";
    case Field::kAdvisory:
      return "advisory";
    case Field::kMargin:
      return "margin_nm";
    case Field::kStormId:
      return "storm_id";
    case Field::kLand:
      return "land";
    case Field::kNoLand:
      return "no_land";
    case Field::kRoute:
      return "route";
    case Field::kBestTrack:
      return "best_track";
    case Field::kAdvisories:
      return "advisories";
    case Field::kListen:
      return "listen";
    case Field::kGpsd:
      return "gpsd";
    case Field::kSignalK:
      return "signalk";
    case Field::kBody:
      return "body";
    case Field::kCommand:
      return "command";
  }
  return "?";
}

std::string key_words(Field field) {
  return key_name(field);
}

}  // namespace hurricane::json
