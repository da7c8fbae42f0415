// Console lines as the report hands them over: each without its line break.
#pragma once

#include <string>
#include <vector>

namespace hurricane::report {

using Lines = std::vector<std::string>;

}  // namespace hurricane::report
