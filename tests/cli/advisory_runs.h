// Shorthands for the tests that give the real executable an advisory.
#pragma once

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/run_program.h"

namespace hurricane::cli_test {

// A hand-made ATCF forecast of 12 h from 12/1800Z: at 13/1200Z it has ended.
inline const std::string kForecastOf12Hours =
    "AL, 98, 2023091218, 01, CARQ, -12, 240N,  660W,  90,  960, HU,  34, NEQ,  150,  120,   90,  "
    "120\n"
    "AL, 98, 2023091218, 01, CARQ,   0, 246N,  663W,  95,  955, HU,  34, NEQ,  160,  130,  100,  "
    "130\n"
    "AL, 98, 2023091218, 03, OFCL,   0, 247N,  664W,  95,  955, HU,  34, NEQ,  160,  130,  100,  "
    "130,    0,    0,   0, 115,   0,    ,   0, HND, 340,   9, HANDMADE\n"
    "AL, 98, 2023091218, 03, OFCL,  12, 260N,  668W, 100,    0, HU,  34, NEQ,  170,  140,  110,  "
    "140\n";

inline std::string advisory_path(const std::string& name) {
  return HURRICANE_SOURCE_DIR "/tests/advisory/data/" + name;
}

inline std::string advisory_text(const std::string& name) {
  std::ifstream file(advisory_path(name), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// `text` with the first `from` replaced by `to`.
inline std::string with(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  if (at == std::string::npos) throw std::runtime_error("no " + from);
  return text.replace(at, from.size(), to);
}

// `advise --advisory FILE --ship SHIP --ship-speed 12` and `more`.
inline std::vector<std::string> advise_on(const std::string& name, std::vector<std::string> more,
                                          const std::string& ship = "27N,70W") {
  std::vector<std::string> arguments = {
      "advise", "--advisory", advisory_path(name), "--ship", ship, "--ship-speed", "12"};
  arguments.insert(arguments.end(), more.begin(), more.end());
  return arguments;
}

// The lines of `text` from the one that starts with `first` up to (not including) the next
// empty line.
inline std::string block_from(const std::string& text, const std::string& first) {
  const std::size_t start = text.find(first);
  if (start == std::string::npos) return "(no " + first + ")\n" + text;
  const std::size_t end = text.find("\n\n", start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end + 1 - start);
}

// `text` with the lines the program wrapped at 80 columns joined again, where that is certain:
// a line of two blanks and a word after a line that begins in the first column ([F], STALE).
inline std::string unwrapped(const std::string& text) {
  std::string joined;
  bool first_column = false;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string line = text.substr(start, end - start);
    const bool continued =
        first_column && line.size() > 2 && line.starts_with("  ") && line[2] != ' ';
    if (continued) {
      joined.back() = ' ';
      joined += line.substr(2);
    } else {
      joined += line;
      first_column = !line.empty() && line[0] != ' ';
    }
    joined += '\n';
    start = end + 1;
  }
  return joined;
}

// A tropical depression: no 34-kt radii.
inline constexpr const char* kDepression =
    "TROPICAL DEPRESSION FIFTEEN FORECAST/ADVISORY NUMBER   2\n"
    "NWS NATIONAL HURRICANE CENTER MIAMI FL       AL152023\n"
    "2100 UTC SAT SEP 30 2023\n"
    "\n"
    "TROPICAL DEPRESSION CENTER LOCATED NEAR 14.2N  45.0W AT 30/2100Z\n"
    "POSITION ACCURATE WITHIN  30 NM\n"
    "\n"
    "PRESENT MOVEMENT TOWARD THE WEST OR 270 DEGREES AT  12 KT\n"
    "\n"
    "MAX SUSTAINED WINDS  30 KT WITH GUSTS TO  40 KT.\n"
    "\n"
    "REPEAT...CENTER LOCATED NEAR 14.2N  45.0W AT 30/2100Z\n"
    "AT 30/1800Z CENTER WAS LOCATED NEAR 14.2N  44.4W\n"
    "\n"
    "FORECAST VALID 01/0600Z 14.5N  46.7W\n"
    "MAX WIND  35 KT...GUSTS  45 KT.\n"
    "34 KT... 40NE   0SE   0SW  30NW.\n"
    "$$\n";

}  // namespace hurricane::cli_test
