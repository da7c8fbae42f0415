// A chart of the forecast advice as a self-contained SVG document.
//
// Mercator, north up, with a graticule and the shoreline: every storm's past fix, track and
// forecast points with their times and intensity, the 34-, 50- and 64-kt wind areas at each
// point, the danger swath (the danger area over the horizon), the open courses at full speed as
// a fan at the ship, the recommended track with 12-h ticks and its closest pass, and the classic
// escape course dashed. Elements carry their numbers as data attributes:
//   class="forecast-point" data-time (ISO UTC) data-lat data-lon, drawn at (cx, cy)
//   class="graticule" data-lat | data-lon
//   class="ship-track" data-course
// With an escape plan, its track comes first: the legs and the resume, every turn labelled with
// what is steered from it, ticks every 12 h beside the storms' centres at the same hours, the
// least clearance and sea room, and the hour to decide by:
//   class="plan-turn" data-time data-lat data-lon data-course data-speed-kn, at (cx, cy)
//   class="plan-tick" | "storm-tick" data-hour data-lat data-lon, at (cx, cy)
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/labels.h"
#include "chart/projection.h"
#include "forecast/advice.h"
#include "forecast/track.h"
#include "land/shoreline.h"
#include "plan/plan.h"

namespace hurricane::chart {

// An earlier fix of storm `storm` (index into the tracks).
struct PastFix {
  std::size_t storm = 0;
  forecast::Time time{};
  navigation::LatLon centre;
};

struct ChartInput {
  const forecast::ForecastAdvice& advice;
  const std::vector<forecast::StormTrack>& storms;  // as the advice judged them
  navigation::LatLon ship;
  std::vector<PastFix> past_fixes;
  std::optional<int> classic_course_deg;       // the classic advice's escape, degrees true 0..359
  std::string storm_name;                      // e.g. "Hurricane LEE"; may be empty
  const land::Shoreline* shoreline = nullptr;  // none: drawn without, and the caption says so
  const plan::Plan* plan = nullptr;            // the escape plan, drawn first when there is one
};

struct ChartOptions {
  bool night = false;
};

// What was drawn, for the tests: the document and where its pieces went.
struct Chart {
  std::string svg;
  Projection projection;
  std::vector<Box> labels;                // every label drawn
  std::vector<std::vector<Pixel>> swath;  // the danger outlines whose union is the swath
  std::vector<Pixel> recommended_track;   // every hour of the recommended track
  std::vector<std::vector<Pixel>> land;   // the shoreline's rings as filled (even-odd)
};

// draw_chart: the chart of `input`. Pure: no I/O. Decides nothing the advice has not.
Chart draw_chart(const ChartInput& input, const ChartOptions& options = {});

// forecast_chart: the document alone.
std::string forecast_chart(const ChartInput& input, const ChartOptions& options = {});

}  // namespace hurricane::chart
