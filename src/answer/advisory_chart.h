// The forecast chart of an answer: advice [F] as the forecast area decided it (with the classic
// advice's course it was compared with), the storms' names and previous fixes, over the
// shoreline. One request for the command line and the server alike.
#pragma once

#include <string>

#include "answer/answer.h"
#include "error/error.h"
#include "land/land.h"

namespace hurricane::answer {

// The chart's SVG document of `answer` over `land` (none draws no land), in the night palette
// when `night`; the error (Field::kAdvisory) says why there is none: advice [F] was left out or
// could not be judged, or the ship's position is not known.
Result<std::string> advisory_chart(const Answer& answer, const land::Land* land, bool night);

}  // namespace hurricane::answer
