// The shoreline the build makes, loaded once for all tests of this executable.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "land/land.h"

namespace hurricane::land::testing {

inline const Land& shared_land() {
  static const Land land = [] {
    auto loaded = Land::load(HURRICANE_SHORELINE_FILE);
    if (auto* message = std::get_if<std::string>(&loaded)) {
      ADD_FAILURE() << *message;
      return Land(Shoreline{"empty", {0.0f, 1.0f}, {0.0f, 0.0f}, {0, 2}});
    }
    return std::move(std::get<Land>(loaded));
  }();
  return land;
}

}  // namespace hurricane::land::testing
