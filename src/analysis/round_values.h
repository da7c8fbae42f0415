// The six answers of a round as the navigator gives them, and the values the analysis uses.
#pragma once

namespace hurricane::analysis {

// Which side of the equator the ship is on.
enum class Hemisphere { kNorth, kSouth };

// The six answers as entered: any sign, any size (the dialogue bounds its answers to
// +-999999; other front-ends hand over what they read).
struct Answers {
  double dist0 = 0.0;   // distance of the hurricane's centre from the ship, nm
  double bear0 = 0.0;   // bearing of the hurricane seen from the ship, degrees true
  double track0 = 0.0;  // direction of the hurricane's advance, degrees true
  double speed0 = 0.0;  // hurricane speed V, kn
  double cpa0 = 0.0;    // distance to keep from the hurricane's centre, nm
  double vship0 = 0.0;  // maximum ship speed, kn
};

// The round's working values: the answers made non-negative, and U.
struct RoundValues {
  double dist = 0.0;    // distance of the hurricane's centre from the ship, nm
  double bear = 0.0;    // bearing of the hurricane seen from the ship, degrees (not reduced)
  double track = 0.0;   // direction of the hurricane's advance, degrees (not reduced)
  double speed = 0.0;   // hurricane speed V, kn
  double cpa = 0.0;     // distance to keep from the hurricane's centre, nm
  double vship = 0.0;   // maximum ship speed, kn, never below the single-precision 1e-19
  double dspeed = 0.0;  // uncertainty U = speed / 2, kn
};

// The least ship speed the analysis works with (1e-19 in single precision, kn).
inline constexpr double kLeastShipSpeed = 9.999999682655225e-20;

// round_values: the answers made non-negative (a direction keeps its size: -90 becomes 90,
// not 270), the ship speed raised to kLeastShipSpeed, and U = V / 2.
RoundValues round_values(const Answers& answers);

// hemisphere_of: the hemisphere answer (1 north, 2 south) read as the dialogue reads it:
// its whole-number part after adding single-precision 0.1 is above 1 for the south, so 1.9
// is south and 1.85, 0 or a negative answer north.
Hemisphere hemisphere_of(double answer);

}  // namespace hurricane::analysis
