// The one error of the inputs: which input was wrong, what it held, and why. Every area that
// reads the navigator's inputs reports this, and every front-end words it: option names on
// the command line, JSON keys in the API, labels on the page.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace hurricane {

// The inputs of a situation, by identity; each front-end has its own names for them.
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
  kAdvisory,    // an advisory's text, as the storm's whole description
  kMargin,      // added to the distance to keep formed from an advisory
  kStormId,     // which storm of an advisory holding several
  kLand,        // the shoreline file the escapes are held against
  kNoLand,      // the choice to leave land out
  kRoute,       // the voyage's route file (GPX or RTZ); Error::value names the file
  kBestTrack,   // the storm's best track file a hindcast scores against
  kAdvisories,  // the advisories a hindcast replays, as a whole
  kListen,      // the address and port the server listens on
  kGpsd,        // the gpsd the ship's own fixes come from (HOST:PORT)
  kSignalK,     // the URL of the Signal K server the ship's position comes from
  // A request's JSON body; Error::value is the key at fault ("ship.lat", "fixes[1]", an
  // unknown key), empty for the body as a whole.
  kBody,
  // The command line as a whole: a problem worded whole, naming its options itself. The last.
  kCommand,
};

// field_id: the input's identity in texts: "distance", "ship_speed", "storm_fix", ...
const char* field_id(Field field);

enum class ErrorKind {
  kMissing,   // a needed input is absent (or given the wrong number of times)
  kConflict,  // two inputs that exclude each other are both given
  kUnusable,  // the input is there but its value cannot be used
  kUsage,     // the command line is not as the command takes it (a front-end's own rules)
};

struct Error {
  ErrorKind kind = ErrorKind::kUnusable;
  Field field = Field::kDistance;
  std::string value;  // the text (or number) as given; empty when there is none
  // What is wrong and, where it helps, the form expected. Other inputs are named by identity
  // as "{id}" (field_id), for a front-end to word: see worded().
  std::string problem;
  std::size_t line = 0;  // the 1-based line of a text input at fault (an advisory); 0 for none
};

// How a front-end names an input.
using FieldWords = std::function<std::string(Field)>;

// worded: `text` with every "{id}" of an input (field_id) replaced by words(field). Warnings
// of a situation are worded the same way.
std::string worded(std::string_view text, const FieldWords& words);

// A value or the error that prevented it: the result of every step that reads inputs.
template <class T>
class Result {
 public:
  Result(T value) : state_(std::move(value)) {}      // NOLINT: implicit on purpose
  Result(Error error) : state_(std::move(error)) {}  // NOLINT: implicit on purpose

  bool ok() const { return state_.index() == 0; }
  const T& value() const { return std::get<0>(state_); }
  T& value() { return std::get<0>(state_); }
  const Error& error() const { return std::get<1>(state_); }

 private:
  std::variant<T, Error> state_;
};

}  // namespace hurricane
