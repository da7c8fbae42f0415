#include "land_advice/find_shoreline.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <variant>
#include <vector>

namespace hurricane::land_advice {
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
situation::Result<land::Land> loaded(const std::string& path, const std::string& given) {
  auto land = land::Land::load(path);
  if (auto* problem = std::get_if<std::string>(&land)) {
    return situation::Error{situation::ErrorKind::kUnusable, situation::Field::kLand, given,
                            std::move(*problem)};
  }
  return std::move(std::get<land::Land>(land));
}

}  // namespace

situation::Result<land::Land> load_shoreline(const std::string& file) {
  if (!file.empty()) return loaded(file, file);
  std::string looked;
  for (const std::filesystem::path& place : places()) {
    std::error_code failed;
    if (std::filesystem::is_regular_file(place, failed)) return loaded(place.string(), "");
    looked += (looked.empty() ? "" : ", ") + place.string();
  }
  return situation::Error{situation::ErrorKind::kMissing, situation::Field::kLand, "",
                          "no shoreline file found (looked for " + looked +
                              "); give one with {land} or advise without land by {no_land}"};
}

}  // namespace hurricane::land_advice
