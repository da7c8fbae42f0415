#include "situation/error.h"

namespace hurricane::situation {

const char* field_name(Field field) {
  switch (field) {
    case Field::kDistance:
      return "distance";
    case Field::kBearing:
      return "bearing";
    case Field::kTrack:
      return "track";
    case Field::kSpeed:
      return "speed";
    case Field::kKeep:
      return "keep";
    case Field::kShipSpeed:
      return "ship-speed";
    case Field::kShip:
      return "ship";
    case Field::kStorm:
      return "storm";
    case Field::kStormFix:
      return "storm-fix";
    case Field::kAt:
      return "at";
    case Field::kHemisphere:
      return "north";
    case Field::kAdvisory:
      return "advisory";
    case Field::kMargin:
      return "margin";
    case Field::kStormId:
      return "storm-id";
  }
  return "?";
}

}  // namespace hurricane::situation
