// Finding and loading the shoreline file the program was built with.
#pragma once

#include <string>

#include "error/error.h"
#include "land/land.h"

namespace hurricane::land {

// The shoreline from `file`, or when it is empty from the first of: beside the executable (the
// build tree), ../share/hurricane-escape beside it (a moved installation), the installed path.
// When none can be used, an error of Field::kLand naming the file (or the places looked in).
Result<Land> load_shoreline(const std::string& file);

}  // namespace hurricane::land
