#include "cli/messages.h"

#include "situation/shown_text.h"

namespace hurricane::cli {
namespace {

constexpr std::size_t kLongestFileName = 1024;

}  // namespace

std::string option_name(Field field) {
  switch (field) {
    case Field::kDistance:
      return "--distance";
    case Field::kBearing:
      return "--bearing";
    case Field::kTrack:
      return "--track";
    case Field::kSpeed:
      return "--speed";
    case Field::kKeep:
      return "--keep";
    case Field::kShipSpeed:
      return "--ship-speed";
    case Field::kShip:
      return "--ship";
    case Field::kStorm:
      return "--storm";
    case Field::kStormFix:
      return "--storm-fix";
    case Field::kAt:
      return "--at";
    case Field::kHemisphere:
      return "--north";
    case Field::kAdvisory:
      return "--advisory";
    case Field::kMargin:
      return "--margin";
    case Field::kStormId:
      return "--storm-id";
    case Field::kLand:
      return "--land";
    case Field::kNoLand:
      return "--no-land";
    case Field::kRoute:
      return "--route";
    case Field::kBestTrack:
      return "--best-track";
    case Field::kAdvisories:
      return "--advisories";
    case Field::kListen:
      return "--listen";
    case Field::kGpsd:
      return "--gpsd";
    case Field::kSignalK:
      return "--signalk";
    case Field::kBody:
      return "the request";
    case Field::kCommand:
      return "the command line";
  }
  return "?";
}

std::string tamed(std::string_view value, std::size_t longest) {
  return situation::shown_text(value, longest);
}

std::string quoted(std::string_view value) {
  return "\"" + tamed(value) + "\"";
}

std::string error_line(const Error& error) {
  // Appended piece by piece: GCC 12 at -O3 misreports `" " + quoted(...)` under -Wrestrict.
  std::string text = option_name(error.field);
  if (!error.value.empty()) {
    text += ' ';
    text += cli::quoted(error.value);
  }
  text += ": ";
  text += worded(error.problem, option_name);
  return program_line(text);
}

std::string file_error_line(std::string_view file, std::size_t line, std::string_view problem) {
  std::string text = tamed(file, kLongestFileName);
  if (line > 0) {
    text += ':';
    text += std::to_string(line);
  }
  text += ": ";
  text += problem;
  return program_line(text);
}

std::string program_line(std::string_view text) {
  std::string line = "hurricane-escape: ";
  for (const char c : text) {
    if (c == '\n') {
      line += "; ";
    } else if (c != '\r') {
      line += c;
    }
  }
  while (line.size() > 2 && line.compare(line.size() - 2, 2, "; ") == 0)
    line.resize(line.size() - 2);
  return line;
}

}  // namespace hurricane::cli
