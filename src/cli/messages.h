// The one-line diagnostics of the command line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "error/error.h"

namespace hurricane::cli {

// option_name: the option that gives `field` ("--ship-speed").
std::string option_name(Field field);

// quoted: `value` tamed, in double quotes.
std::string quoted(std::string_view value);

// tamed: `value` safe for a terminal: printable ASCII and well-formed printable UTF-8 (a degree
// sign as typed) stay, every other byte becomes '?' (controls, escapes, a lone Latin-1 byte),
// and a value longer than `longest` characters is cut with "...".
std::string tamed(std::string_view value, std::size_t longest = 60);

// error_line: "hurricane-escape: --ship \"95N,10W\": latitude beyond 90 degrees" (no value part
// when the error has none), every input named by its option, without a line break.
std::string error_line(const Error& error);

// file_error_line: "hurricane-escape: tcm.txt:12: expected ..." (no line part when `line` is
// 0), the file's name tamed but whole up to 1024 characters.
std::string file_error_line(std::string_view file, std::size_t line, std::string_view problem);

// program_line: "hurricane-escape: " and `text` with every line break made "; ".
std::string program_line(std::string_view text);

}  // namespace hurricane::cli
