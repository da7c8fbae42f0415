#include "cli/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "advisory/read_advisory.h"
#include "cli/exit_status.h"
#include "cli/messages.h"

namespace hurricane::cli {
namespace {

std::string too_large(std::size_t limit) {
  return "larger than " + std::to_string(limit >> 20) +
         " MiB; an advisory is a few KiB and a track file some hundred";
}

// Reads `fd` to its end or to `limit` + 1 bytes, whichever comes first.
std::string read_all(int fd, std::size_t limit, InputFile& file) {
  std::string bytes;
  char buffer[65536];
  while (bytes.size() <= limit) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got == 0) return bytes;
    if (got < 0) {
      if (errno == EINTR) continue;
      file.error = std::string("cannot read: ") + std::strerror(errno);
      return {};
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  file.error = too_large(limit);
  return {};
}

}  // namespace

InputFile read_input_file(std::string_view path, std::size_t limit) {
  InputFile file;
  const bool standard_input = path == "-";
  file.name = standard_input ? "<stdin>" : std::string(path);
  const int fd = standard_input ? STDIN_FILENO : open(file.name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    file.error = std::string("cannot open: ") + std::strerror(errno);
    return file;
  }
  struct stat status {};
  if (fstat(fd, &status) == 0) {
    if (S_ISDIR(status.st_mode)) {
      file.error = "is a directory, not an advisory";
    } else if (S_ISREG(status.st_mode) && static_cast<std::size_t>(status.st_size) > limit) {
      file.error = too_large(limit);
    }
  }
  if (file.error.empty()) file.bytes = read_all(fd, limit, file);
  if (!standard_input) close(fd);
  return file;
}

std::optional<InputFile> read_input(std::string_view path, std::ostream& errors) {
  InputFile file = read_input_file(path, advisory::kMaxInputBytes);
  if (file.error.empty()) return file;
  errors << file_error_line(file.name, 0, file.error) << '\n';
  return std::nullopt;
}

int write_output(std::string_view text, std::ostream& out, std::ostream& errors) {
  out << text;
  out.flush();
  if (out) return kSuccess;
  errors << program_line("cannot write to standard output") << '\n';
  return kUnusableValue;
}

}  // namespace hurricane::cli
