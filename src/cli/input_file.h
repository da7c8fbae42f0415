// Reading an input file named on the command line, or standard input for "-".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hurricane::cli {

struct InputFile {
  std::string name;   // as messages name it: the path, or "<stdin>" for "-"
  std::string bytes;  // the whole content
  std::string error;  // why it could not be read (empty when it was), for "NAME: error"
};

// read_input_file: the whole of `path` ("-" is standard input), up to `limit` bytes. A file
// that cannot be opened or read, a directory, or more than `limit` bytes (a huge file, an
// endless device or pipe) is the error; no more than `limit` + 1 bytes are ever read.
InputFile read_input_file(std::string_view path, std::size_t limit);

}  // namespace hurricane::cli
