// Errors of the situation edge: which input was wrong, what it held, and why.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace hurricane::situation {

// The inputs of a situation, as every front-end names them.
enum class Field {
  kDistance,
  kBearing,
  kTrack,
  kSpeed,
  kKeep,
  kShipSpeed,
  kShip,
  kStorm,
  kStormFix,
  kAt,
  kHemisphere,
  kAdvisory,  // an advisory's text, as the storm's whole description
  kMargin,    // added to the distance to keep formed from an advisory
  kStormId,   // which storm of an advisory holding several
};

// field_name: the input's name as the command line spells it without its dashes
// ("distance", "ship-speed", "storm-fix", "north", "storm-id").
const char* field_name(Field field);

enum class ErrorKind {
  kMissing,   // a needed input is absent (or given the wrong number of times)
  kConflict,  // two inputs that exclude each other are both given
  kUnusable,  // the input is there but its value cannot be used
};

struct Error {
  ErrorKind kind = ErrorKind::kUnusable;
  Field field = Field::kDistance;
  std::string value;    // the text (or number) as given; empty when there is none
  std::string problem;  // what is wrong and, where it helps, the form expected
};

// A value or the error that prevented it.
template <class T>
class Result {
 public:
  Result(T value) : state_(std::move(value)) {}      // NOLINT: implicit on purpose
  Result(Error error) : state_(std::move(error)) {}  // NOLINT: implicit on purpose

  bool ok() const { return state_.index() == 0; }
  const T& value() const { return std::get<0>(state_); }
  const Error& error() const { return std::get<1>(state_); }

 private:
  std::variant<T, Error> state_;
};

}  // namespace hurricane::situation
