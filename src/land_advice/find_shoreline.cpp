#include "land_advice/find_shoreline.h"

#include <filesystem>
#include <system_error>
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

}  // namespace

std::variant<land::Land, std::string> load_shoreline(const std::string& file) {
  if (!file.empty()) return land::Land::load(file);
  std::string looked;
  for (const std::filesystem::path& place : places()) {
    std::error_code failed;
    if (std::filesystem::is_regular_file(place, failed)) return land::Land::load(place.string());
    looked += (looked.empty() ? "" : ", ") + place.string();
  }
  return "no shoreline file found (looked for " + looked + "); give one with --land FILE or " +
         "advise without land by --no-land";
}

}  // namespace hurricane::land_advice
