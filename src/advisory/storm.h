// What an advisory says about one storm, as read from a forecast/advisory (TCM), the RSS feed that
// carries one, or ATCF track records. Nothing here is computed: each field is what the text states.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "advisory/utc_time.h"
#include "navigation/fix.h"
#include "navigation/motion.h"
#include "navigation/position.h"

namespace hurricane::advisory {

// Positions as every area states them: 179.3E is 179.3, 179.8W is -179.8.
using navigation::LatLon;

using navigation::Fix;

// Present movement of the centre.
struct Motion {
  enum class Kind {
    kMoving,      // toward `track_deg` at `speed_kn`
    kStationary,  // the text says STATIONARY
    kNotGiven,    // the source states none (ATCF without direction and speed): form it from
                  // the previous fix
  };
  Kind kind = Kind::kNotGiven;
  navigation::Motion velocity;  // with kMoving: track in [0, 360) and speed > 0; else zero
};

// Quadrants in the order advisories list them.
enum class Quadrant { kNE, kSE, kSW, kNW };
inline constexpr std::array<Quadrant, 4> kQuadrants = {Quadrant::kNE, Quadrant::kSE, Quadrant::kSW,
                                                       Quadrant::kNW};
// "NE", "SE", "SW" or "NW".
const char* quadrant_name(Quadrant quadrant);

// Largest extent in each quadrant, nautical miles, indexed by the quadrant (NE, SE, SW, NW).
// 0 means the threshold is not reached in that quadrant.
struct QuadrantRadii {
  std::array<int, 4> nm{};

  int operator[](Quadrant quadrant) const { return nm[static_cast<std::size_t>(quadrant)]; }
  friend bool operator==(const QuadrantRadii&, const QuadrantRadii&) = default;
};

// Wind radii per threshold; a threshold the source does not list is absent.
struct WindRadii {
  std::optional<QuadrantRadii> kt34;
  std::optional<QuadrantRadii> kt50;
  std::optional<QuadrantRadii> kt64;
};

// Radii of seas of at least a wave height ("12 FT SEAS", "4 M SEAS").
struct SeasRadii {
  enum class Unit { kFeet, kMetres };
  int height = 0;
  Unit unit = Unit::kFeet;
  QuadrantRadii radii;
};

// A forecast ("FORECAST VALID") or outlook ("OUTLOOK VALID") point. A dissipated point may
// come without position and wind.
struct ForecastPoint {
  UtcTime time;
  bool outlook = false;
  std::optional<LatLon> centre;
  std::optional<int> max_wind_kt;
  std::optional<int> gusts_kt;
  WindRadii radii;
  std::string stage;  // what follows the position, e.g. "POST-TROPICAL", "DISSIPATED"; or empty
};

enum class SourceForm { kTcm, kRssFeed, kAtcf, kJtwcWarning };

// Something the text states that does not agree with itself (a stated motion the positions do not
// give): kept as the text has it and reported, not mended.
struct TextWarning {
  std::size_t line = 1;  // 1-based line of the input
  std::string message;
};

// What a JTWC tropical cyclone warning states beyond an advisory's fields.
struct WarningDetails {
  bool final_warning = false;  // "THIS IS THE FINAL WARNING"
  int wind_average_min = 1;    // "MAX SUSTAINED WINDS BASED ON ONE-MINUTE AVERAGE"
  int movement_past_h = 6;     // "MOVEMENT PAST SIX HOURS": the past motion, used as present
  std::optional<Fix>
      remarks_fix;  // "310900Z POSITION NEAR ...": at the issue time, for information
  std::optional<int> wave_height_ft;   // "MAXIMUM SIGNIFICANT WAVE HEIGHT ... IS 48 FEET"
  std::vector<UtcTime> next_warnings;  // "NEXT WARNINGS AT ...", in order
};

struct Storm {
  SourceForm form = SourceForm::kTcm;
  std::string id;    // ATCF id: basin, number, year, e.g. "AL132023"
  std::string kind;  // e.g. "HURRICANE", "POST-TROPICAL CYCLONE"; from ATCF the code ("HU")
  std::string name;  // e.g. "LEE"; may be empty from ATCF
  std::optional<int> number;      // advisory (or JTWC warning) number; ATCF has none
  bool corrected = false;         // "...CORRECTED" after the number
  bool special = false;           // "SPECIAL FORECAST/ADVISORY"
  std::string centre_name;        // issuing centre, e.g. "NWS NATIONAL HURRICANE CENTER MIAMI FL"
  std::string issued_by;          // backup centre that issued it ("ISSUED BY ..."), or empty
  std::optional<UtcTime> issued;  // issue time; ATCF has none

  Fix fix;  // the present centre and its time
  std::optional<int> accuracy_nm;
  Motion motion;
  std::optional<int> pressure_mb;
  int max_wind_kt = 0;
  std::optional<int> gusts_kt;
  WindRadii radii;
  std::optional<SeasRadii> seas;
  std::optional<Fix> previous;  // the earlier fix ("CENTER WAS LOCATED NEAR", the ATCF time before)
  // From ATCF: the technique whose hour-0 records gave the present centre ("OFCL", "CARQ" or
  // "BEST"); empty for the other forms.
  std::string analysis_technique;
  // When the next product is due: "NEXT ADVISORY AT 13/0300Z", a JTWC warning's first next
  // warning; absent when the text states none (ATCF, a final warning).
  std::optional<UtcTime> next_advisory;
  std::vector<ForecastPoint> forecast;    // forecast, then outlook points, in time order as given
  std::optional<WarningDetails> warning;  // only from a JTWC warning
  std::vector<TextWarning> warnings;      // disagreements within the text, in line order
};

struct QuadrantRadius {
  Quadrant quadrant = Quadrant::kNE;
  int nm = 0;
};

// The largest 34-kt radius of the present position and its quadrant (the first in NE, SE, SW, NW
// order on a tie); nothing when the storm has no 34-kt winds (no 34-kt line, or all zero).
std::optional<QuadrantRadius> largest_34kt_radius(const Storm& storm);

}  // namespace hurricane::advisory
