// The escape plan as the bridge reads it: the text block before the rest of the answer.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plan/plan.h"

namespace hurricane::report {

// Its heading, each leg, the resume, the least clearance and sea room with time and place, the
// progress (with a voyage) and the decide-by; or, with nothing clear, that none keeps clear and
// what it meets; then the next advisory, when the product states it, to plan again with.
std::vector<std::string> plan_lines(const plan::Plan& plan,
                                    std::optional<plan::Time> next_advisory);

}  // namespace hurricane::report
