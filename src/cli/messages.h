// The one-line diagnostics of the command line.
#pragma once

#include <string>
#include <string_view>

#include "situation/error.h"

namespace hurricane::cli {

// option_name: the option that gives `field` ("--ship-speed").
std::string option_name(situation::Field field);

// quoted: `value` in double quotes, safe for a terminal: bytes outside printable ASCII become
// '?', and a value longer than 60 characters is cut with "...".
std::string quoted(std::string_view value);

// error_line: "hurricane-escape: --ship \"95N,10W\": latitude beyond 90 degrees" (no value part
// when the error has none), without a line break.
std::string error_line(const situation::Error& error);

// program_line: "hurricane-escape: " and `text` with every line break made "; ".
std::string program_line(std::string_view text);

}  // namespace hurricane::cli
