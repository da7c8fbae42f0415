// The plan's choices on the command line (--course, --to, --sea-room, --avoid), read the same
// for every command that makes a plan.
#pragma once

#include <optional>
#include <string>

#include "answer/forecast_options.h"
#include "error/error.h"

namespace hurricane::cli {

// The texts given, each null when its option was not.
struct PlanChoiceTexts {
  const std::string* course = nullptr;
  const std::string* to = nullptr;
  const std::string* sea_room = nullptr;
  const std::string* avoid = nullptr;
};

// read_plan_choices: the texts into `options`; the first that cannot be used is an unusable
// value worded whole (status 1).
std::optional<Error> read_plan_choices(const PlanChoiceTexts& texts,
                                       answer::ForecastOptions& options);

// An option's value that cannot be used, worded whole (status 1).
Error unusable_option(std::string text);

// A number of an option: all of `text`, finite.
std::optional<double> option_number(const std::string& text);

}  // namespace hurricane::cli
