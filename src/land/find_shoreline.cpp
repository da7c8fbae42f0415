#include "land/find_shoreline.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace hurricane::land {
namespace {

constexpr const char* kFileName = "shoreline.bin";

std::vector<std::filesystem::path> places() {
  std::vector<std::filesystem::path> found;
  std::error_code failed;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
  if (!failed) {
    found.push_back(program.parent_path() / kFileName);
    found.push_back(program.parent_path().parent_path() / "share" / "hurricane-escape" / kFileName);
  }
  found.emplace_back(HURRICANE_SHORELINE_DEFAULT);
  return found;
}

// The shoreline of `path`; `given` is the file as the navigator named it (empty for one found).
Result<Land> loaded(const std::string& path, const std::string& given) {
  Result<Land> land = Land::load(path);
  if (!land.ok()) {
    Error error = land.error();
    error.value = given;
    return error;
  }
  return std::move(land.value());
}

}  // namespace

Result<Land> load_shoreline(const std::string& file) {
  if (!file.empty()) return loaded(file, file);
  std::string looked;
  for (const std::filesystem::path& place : places()) {
    std::error_code failed;
    if (std::filesystem::is_regular_file(place, failed)) return loaded(place.string(), "");
    looked += (looked.empty() ? "" : ", ") + place.string();
  }
  return Error{ErrorKind::kMissing, Field::kLand, "",
               "no shoreline file found (looked for " + looked +
                   "); give one with {land} or advise without land by {no_land}"};
}

}  // namespace hurricane::land
