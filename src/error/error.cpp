#include "error/error.h"

namespace hurricane {

namespace {

constexpr Field kFields[] = {
    Field::kDistance,   Field::kBearing,  Field::kTrack,     Field::kSpeed,      Field::kKeep,
    Field::kShipSpeed,  Field::kShip,     Field::kStorm,     Field::kStormFix,   Field::kAt,
    Field::kHemisphere, Field::kAdvisory, Field::kMargin,    Field::kStormId,    Field::kLand,
    Field::kNoLand,     Field::kRoute,    Field::kBestTrack, Field::kAdvisories, Field::kListen,
    Field::kGpsd,       Field::kSignalK,  Field::kBody,      Field::kCommand};

}  // namespace

const char* field_id(Field field) {
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
      return "ship_speed";
    case Field::kShip:
      return "ship";
    case Field::kStorm:
      return "storm";
    case Field::kStormFix:
      return "storm_fix";
    case Field::kAt:
      return "at";
    case Field::kHemisphere:
      return "hemisphere";
    case Field::kAdvisory:
      return "advisory";
    case Field::kMargin:
      return "margin";
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

std::string worded(std::string_view text, const FieldWords& words) {
  std::string out;
  out.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t open = text.find('{', at);
    const std::size_t close = open == std::string_view::npos ? open : text.find('}', open);
    if (close == std::string_view::npos) break;
    out.append(text, at, open - at);
    const std::string_view id = text.substr(open + 1, close - open - 1);
    bool known = false;
    for (const Field field : kFields) {
      if (id == field_id(field)) {
        out += words(field);
        known = true;
        break;
      }
    }
    if (!known) out.append(text, open, close - open + 1);  // not an input: kept as it is
    at = close + 1;
  }
  out.append(text, at, std::string_view::npos);
  return out;
}

}  // namespace hurricane
