// The shoreline the build makes, loaded once for all tests of this executable.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "land/land.h"

namespace hurricane::land::testing {

inline const Land& shared_land() {
  static const Land land = [] {
    auto loaded = Land::load(HURRICANE_SHORELINE_FILE);
    if (!loaded.ok()) {
      ADD_FAILURE() << loaded.error().problem;
      return Land(Shoreline{"empty", {0.0f, 1.0f}, {0.0f, 0.0f}, {0, 2}});
    }
    return std::move(loaded.value());
  }();
  return land;
}

}  // namespace hurricane::land::testing
