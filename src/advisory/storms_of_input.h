// The storms an input holds for advice [F]: a feed or text may carry several forecast/advisories.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "advisory/read_advisory.h"
#include "advisory/storm.h"
#include "error/error.h"

namespace hurricane::advisory {

// Appends to `storms` every storm of `bytes` but the one with id `skip` (none when empty): each
// of several forecast/advisories, else the input's only storm (which `skip` may name). Gives the
// first reading error (Field::kAdvisory with the line at fault), or nothing.
std::optional<Error> add_storms(std::string_view bytes, const std::string& skip,
                                std::vector<Storm>& storms);

}  // namespace hurricane::advisory
