// The advisory reader on arbitrary bytes. Built with libFuzzer (clang) it searches for inputs
// that break the checks below; built without it, main() replays files and directories, so the
// sample products and every past finding run as a regression test in the ordinary build.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "advisory/read_advisory.h"
#include "advisory/text_lines.h"
#include "advisory/utc_time.h"

namespace {

using namespace hurricane::advisory;
using hurricane::Error;
using hurricane::Result;

const char* current_input = "(input)";  // named in failure messages

void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "advisory check failed on %s: %s\n", current_input, what);
  std::abort();
}

bool on_earth(const LatLon& point) {
  return std::isfinite(point.lat) && std::isfinite(point.lon) && std::fabs(point.lat) <= 90.0 &&
         std::fabs(point.lon) <= 180.0;
}

bool radii_sound(const WindRadii& radii) {
  for (const auto* threshold : {&radii.kt34, &radii.kt50, &radii.kt64}) {
    if (!threshold->has_value()) continue;
    for (const int nm : (*threshold)->nm) {
      if (nm < 0) return false;
    }
  }
  return true;
}

// Products are read with years kFirstYear..kLastYear; a forecast time may run a few days into
// the year after.
bool is_valid(UtcTime time) {
  const int year = hurricane::navigation::civil_fields(time).year;
  return year >= kFirstYear && year <= kLastYear + 1;
}

// A storm is only given with every field within the ranges the reader promises.
void check_storm(const Storm& storm) {
  require(on_earth(storm.fix.centre), "centre beyond the earth");
  require(is_valid(storm.fix.time), "centre time not a real time");
  require(!storm.issued || is_valid(*storm.issued), "issue time not a real time");
  require(!storm.previous || (on_earth(storm.previous->centre) && is_valid(storm.previous->time)),
          "earlier fix out of range");
  const Motion& motion = storm.motion;
  if (motion.kind == Motion::Kind::kMoving) {
    require(motion.velocity.track >= 0.0 && motion.velocity.track < 360.0,
            "track outside [0, 360)");
    require(motion.velocity.speed > 0.0 && std::isfinite(motion.velocity.speed),
            "moving without speed");
  }
  require(storm.max_wind_kt >= 0, "negative wind");
  require(radii_sound(storm.radii), "negative radius");
  require(!storm.id.empty(), "storm without id");
  for (const ForecastPoint& point : storm.forecast) {
    require(is_valid(point.time), "forecast time not a real time");
    require(!point.centre || on_earth(*point.centre), "forecast point beyond the earth");
    require(radii_sound(point.radii), "negative forecast radius");
  }
  if (const auto largest = largest_34kt_radius(storm)) {
    require(largest->nm > 0 && largest->nm == (*storm.radii.kt34)[largest->quadrant],
            "largest 34-kt radius not one of the radii");
  }
}

void check(std::string_view bytes, const ReadOptions& options) {
  const Result<Storm> result = read_advisory(bytes, options);
  if (!result.ok()) {
    const Error& error = result.error();
    require(error.line >= 1 && error.line <= line_count(bytes), "error line outside the input");
    require(!error.problem.empty(), "error without a message");
  } else {
    check_storm(result.value());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  check(bytes, {});
  check(bytes, {"AL132023"});  // the choice among several storms
  return 0;
}

#ifndef HURRICANE_LIBFUZZER
#include "replay.h"

int main(int argc, char** argv) {
  const std::size_t count = hurricane::fuzz::replay(argc, argv, current_input, require);
  std::printf("replayed %zu inputs\n", count);
  return count == 0 ? 1 : 0;
}
#endif
