// Choosing one storm among those an input holds.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "error/error.h"

namespace hurricane::advisory {

// From the ids found (in input order, repeats allowed, at least one) the one `wanted` names (any
// letter case), or the only one when `wanted` is empty. The error lists the ids found, at most
// ten of them; `where` names the input in it ("the feed", "the track file"); the caller places
// it at its line.
Result<std::string> choose_storm(const std::vector<std::string>& found, std::string_view wanted,
                                 std::string_view where);

}  // namespace hurricane::advisory
