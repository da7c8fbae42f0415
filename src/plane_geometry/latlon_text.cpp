#include "plane_geometry/latlon_text.h"

#include <cmath>
#include <cstdio>

namespace hurricane::plane_geometry {
namespace {

std::string part(double degrees, char positive, char negative, int width) {
  const long long tenths = std::llround(std::fabs(degrees) * 600.0);
  const char letter = degrees < 0.0 && tenths != 0 ? negative : positive;
  char text[32];
  std::snprintf(text, sizeof text, "%0*lld\u00b0%02lld.%lld'%c", width, tenths / 600,
                (tenths % 600) / 10, tenths % 10, letter);
  return text;
}

}  // namespace

std::string degrees_minutes(double lat, double lon) {
  return part(lat, 'N', 'S', 2) + " " + part(lon, 'E', 'W', 3);
}

}  // namespace hurricane::plane_geometry
