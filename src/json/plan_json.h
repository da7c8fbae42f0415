// The escape plan as the answer's "plan" object (docs/advice.schema.json).
#pragma once

#include <nlohmann/json.hpp>
#include <optional>

#include "plan/plan.h"

namespace hurricane::json {

// With "report": the plan's lines as the text answer prints them (before its wrapping), the
// next advisory's among them when the product states it.
nlohmann::ordered_json plan_json(const plan::Plan& plan, std::optional<plan::Time> next_advisory);

}  // namespace hurricane::json
