// Reading an input file named on the command line (or standard input for "-"), and writing the
// answer to standard output.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
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

// read_input: the file as read_input_file gives it, up to an advisory's limit; nothing when it
// cannot be read, after the diagnostic "NAME: why" on `errors`.
std::optional<InputFile> read_input(std::string_view path, std::ostream& errors);

// write_output: `text` on `out`, flushed; kSuccess, or kUnusableValue after saying on `errors`
// that standard output could not be written (a closed pipe, a full disk).
int write_output(std::string_view text, std::ostream& out, std::ostream& errors);

}  // namespace hurricane::cli
