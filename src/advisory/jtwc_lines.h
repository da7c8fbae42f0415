// The body lines of a JTWC tropical cyclone warning, one reader each. Every reader takes the
// trimmed line and gives what it read, or what was expected there (an error whose line the
// caller knows: 0 here).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "advisory/scan.h"
#include "advisory/storm.h"
#include "error/error.h"

namespace hurricane::advisory {

// "310600Z": day, hour and minute as six digits and Z.
std::optional<DayTime> take_dtg(Cursor& cursor);

// A position line: "310600Z --- NEAR 22.8N 131.6E" (the warning position) or "311800Z ---
// 24.0N 130.2E" (a forecast; NEAR is taken there too). The old form with check digits
// ("280600Z6 --- 06.0N6 166.0E3") is refused by name.
struct PositionLine {
  DayTime at;
  LatLon centre;
};
Result<PositionLine> read_position_line(std::string_view text);

// Whether the line starts with a time group "ddhhmmZ", so must read as a position line.
bool starts_with_dtg(std::string_view text);

// "MOVEMENT PAST SIX HOURS - 335 DEGREES AT 09 KTS" (degrees to 360; 0 kts is stationary).
Result<Motion> read_movement_line(std::string_view text);

// "POSITION ACCURATE TO WITHIN 020 NM".
Result<int> read_accuracy_line(std::string_view text);

// "MAX SUSTAINED WINDS - 115 KT, GUSTS 140 KT".
struct WindLine {
  int max_wind_kt = 0;
  int gusts_kt = 0;
};
Result<WindLine> read_wind_line(std::string_view text);

// One radius of a "RADIUS OF 034 KT WINDS" group: "070 NM NORTHEAST QUADRANT", "120 NM NORTH
// SEMICIRCLE" (its two quadrants) or "050 NM ELSEWHERE" (the quadrants not yet given).
struct RadiusEntry {
  int nm = 0;
  std::array<bool, 4> quadrants{};  // NE, SE, SW, NW; none set for ELSEWHERE
  bool elsewhere = false;
};
Result<RadiusEntry> read_radius_entry(std::string_view text);

// "RADIUS OF 064 KT WINDS - 070 NM NORTHEAST QUADRANT": the threshold (34, 50 or 64) and the
// first entry.
struct RadiusHead {
  int threshold_kt = 0;
  RadiusEntry first;
};
Result<RadiusHead> read_radius_head(std::string_view text);

// "12 HRS, VALID AT:": the forecast hour.
Result<int> read_valid_at_line(std::string_view text);

// "VECTOR TO 24 HR POSIT: 305 DEG/ 08 KTS": the hour of the point it leads to and the motion.
struct VectorLine {
  int to_hour = 0;
  int track_deg = 0;
  int speed_kn = 0;
};
Result<VectorLine> read_vector_line(std::string_view text);

// Whether the line states a forecast point's stage: BECOMING EXTRATROPICAL, EXTRATROPICAL,
// DISSIPATING ..., DISSIPATED ...
bool is_stage_line(std::string_view text);

}  // namespace hurricane::advisory
