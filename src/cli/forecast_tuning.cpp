#include "cli/forecast_tuning.h"

#include "answer/forecast_options.h"

namespace hurricane::cli {

void add_forecast_tuning(CLI::App& command, double& horizon_h, double& cone_scale,
                         double& margin_nm) {
  command.add_option("--horizon", horizon_h, "Horizon of advice [F], hours")
      ->check(CLI::Range(answer::kMinHorizonH, answer::kMaxHorizonH))
      ->default_val(answer::kDefaultHorizonH);
  command.add_option("--cone-scale", cone_scale, "Multiplies the two-thirds cone of advice [F]")
      ->check(CLI::Range(0.01, 10.0))
      ->default_val(answer::kDefaultConeScale);
  command.add_option("--margin", margin_nm, "Margin of advice [F], nm")
      ->check(CLI::Range(0.0, 1000.0))
      ->default_val(answer::kDefaultMarginNm);
}

}  // namespace hurricane::cli
