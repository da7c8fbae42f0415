// The forecast chart of an advisory's situation: the advisory's storm made into its forecast
// track, judged for the ship by advice [F], and charted over the shoreline.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "advisory_situation/situation_from_advisory.h"
#include "analysis/advice.h"
#include "land/shoreline.h"

namespace hurricane::advisory_chart {

struct ChartRequest {
  const advisory_situation::AdvisedSituation& advised;
  const analysis::Advice& classic;  // the classic advice of the same situation
  std::optional<double> margin_nm;  // the margin given with the advisory, nm >= 0
  const land::Shoreline* shoreline = nullptr;
  bool night = false;
};

// The chart's SVG document, or why there is none (the advisory holds no forecast track, or
// the ship has no position).
std::variant<std::string, std::string> advisory_chart(const ChartRequest& request);

// The shoreline the program draws: the file named by the environment's HURRICANE_SHORELINE,
// else the installed one; read once, then shared. Nothing when it cannot be read.
const land::Shoreline* default_shoreline();

}  // namespace hurricane::advisory_chart
