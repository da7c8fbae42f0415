#include "cli/write_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace hurricane::cli {
namespace {

std::string failure(const std::filesystem::path& path, int error) {
  return "cannot write " + path.string() + ": " + std::strerror(error);
}

}  // namespace

std::optional<std::string> write_file(const std::filesystem::path& path, std::string_view content) {
  std::filesystem::path temporary = path;
  temporary += ".part";
  errno = 0;
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return failure(path, errno != 0 ? errno : EIO);
  const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
  int error = errno;
  // fclose flushes: a full disk may show only here.
  const bool closed = std::fclose(file) == 0;
  if (!closed && error == 0) error = errno;
  if (!written || !closed) {
    std::remove(temporary.c_str());
    return failure(path, error != 0 ? error : EIO);
  }
  std::error_code renamed;
  std::filesystem::rename(temporary, path, renamed);
  if (renamed) {
    std::remove(temporary.c_str());
    return "cannot write " + path.string() + ": " + renamed.message();
  }
  return std::nullopt;
}

std::optional<std::string> prepare_directory(const std::filesystem::path& dir) {
  std::error_code error;
  if (std::filesystem::is_directory(dir, error)) return std::nullopt;
  std::filesystem::create_directories(dir, error);
  if (error) return "cannot create the directory " + dir.string() + ": " + error.message();
  if (!std::filesystem::is_directory(dir, error)) return "not a directory: " + dir.string();
  return std::nullopt;
}

std::filesystem::path round_file(const std::filesystem::path& dir, int round) {
  char name[32];
  std::snprintf(name, sizeof name, "round-%03d.svg", round);
  return dir / name;
}

}  // namespace hurricane::cli
