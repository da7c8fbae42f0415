// The options that tune advice [F] for every ship of a run (fleet, hindcast).
#pragma once

#include <CLI/CLI.hpp>

namespace hurricane::cli {

// add_forecast_tuning: --horizon (hours), --cone-scale and --margin (nm) on `command`, with
// their ranges and the safe defaults advise uses.
void add_forecast_tuning(CLI::App& command, double& horizon_h, double& cone_scale,
                         double& margin_nm);

}  // namespace hurricane::cli
