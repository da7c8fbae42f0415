// The escape plan and the shoreline as the maneuvering board shows them, seen from the ship.
#pragma once

#include <vector>

#include "analysis/advice.h"
#include "land/land.h"
#include "navigation/position.h"
#include "plan/plan.h"

namespace hurricane::answer {

struct Answer;

// What `plan` steers now, until when, and the ship every hour, from `ship`.
analysis::BoardPlan board_plan(const plan::Plan& plan, const navigation::LatLon& ship);

// The shoreline's polylines within `reach_nm` of `ship`, from it; vertices nearer than
// `step_nm` to the last kept are dropped (the board has no finer pixel).
std::vector<std::vector<analysis::Offset>> board_shore(const land::Shoreline& shore,
                                                       const navigation::LatLon& ship,
                                                       double reach_nm, double step_nm);

// The answer's classic advice as the board draws it: with the shoreline within the board's
// reach when `land` is given and the ship's position known.
analysis::Advice board_advice(const Answer& answer, const land::Land* land);

}  // namespace hurricane::answer
