// The classic escapes held against the shoreline: where each escape course's track meets land,
// and a ship's position on land refused.
#pragma once

#include <optional>
#include <string>

#include "analysis/advice.h"
#include "land/land.h"
#include "situation/situation.h"

namespace hurricane::answer {

// Hours ahead that an escape course's track is followed at the ship's full speed: as far as the
// forecast advice looks by default.
inline constexpr double kEscapeHorizonH = 72.0;

// The refusal of a ship's position on land, an error of Field::kShip naming the position and
// the word land; nothing when `situation` gives no position or it is at sea.
std::optional<Error> ship_on_land(const land::Land& land, const situation::Situation& situation);

// Holds `advice`'s escapes against `land` when `situation` gives the ship's position: each
// escape's `land` is set when its rhumb line at the ship's speed meets land within
// kEscapeHorizonH, and advice.courses.land says so. Without a position nothing is checked. Returns
// the refusal, an error of Field::kShip naming the position and the word land, when the ship's
// position is on land; the advice is then not to be given.
std::optional<Error> check_escapes(const land::Land& land, const situation::Situation& situation,
                                   analysis::Advice& advice);

// Records in `advice` that land was turned off, when there was a position to check.
void land_turned_off(const situation::Situation& situation, analysis::Advice& advice);

}  // namespace hurricane::answer
