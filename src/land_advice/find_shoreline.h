// Finding and loading the shoreline file the program was built with.
#pragma once

#include <string>
#include <variant>

#include "land/land.h"

namespace hurricane::land_advice {

// The shoreline from `file`, or when it is empty from the first of: beside the executable (the
// build tree), ../share/hurricane-escape beside it (a moved installation), the installed path.
// A message naming the file (or the places looked in) when none can be used.
std::variant<land::Land, std::string> load_shoreline(const std::string& file);

}  // namespace hurricane::land_advice
