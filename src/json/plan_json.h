// The escape plan as the answer's "plan" object (docs/advice.schema.json).
#pragma once

#include <nlohmann/json.hpp>

#include "plan/plan.h"

namespace hurricane::json {

nlohmann::ordered_json plan_json(const plan::Plan& plan);

}  // namespace hurricane::json
