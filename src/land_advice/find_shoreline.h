// Finding and loading the shoreline file the program was built with.
#pragma once

#include <string>

#include "land/land.h"
#include "situation/error.h"

namespace hurricane::land_advice {

// The shoreline from `file`, or when it is empty from the first of: beside the executable (the
// build tree), ../share/hurricane-escape beside it (a moved installation), the installed path.
// When none can be used, an error of Field::kLand naming the file (or the places looked in).
situation::Result<land::Land> load_shoreline(const std::string& file);

}  // namespace hurricane::land_advice
