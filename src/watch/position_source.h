// Where the ship is, each time the watch answers: given once on the command line for now; a
// live fix takes its place behind the same interface.
#pragma once

#include <string>
#include <utility>

namespace hurricane::watch {

class PositionSource {
 public:
  virtual ~PositionSource() = default;
  // The ship's position as the situation reads positions ("25.8N 080.2W", ...).
  virtual std::string position() = 0;
};

class FixedPosition final : public PositionSource {
 public:
  explicit FixedPosition(std::string position) : position_(std::move(position)) {}
  std::string position() override { return position_; }

 private:
  std::string position_;
};

}  // namespace hurricane::watch
