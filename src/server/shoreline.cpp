#include "server/shoreline.h"

#include <optional>
#include <utility>

namespace hurricane::server {
namespace {

std::optional<land::Land>& held() {
  static std::optional<land::Land> shoreline;
  return shoreline;
}

}  // namespace

void hold_shoreline(land::Land land) {
  held() = std::move(land);
}

const land::Land* held_shoreline() {
  return held() ? &*held() : nullptr;
}

}  // namespace hurricane::server
