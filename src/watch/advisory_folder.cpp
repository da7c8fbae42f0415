#include "watch/advisory_folder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "advisory/read_advisory.h"

namespace hurricane::watch {
namespace {

// The whole file, up to an advisory's limit; or why not.
std::optional<std::string> read_whole(const std::filesystem::path& path, std::string& problem) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    problem = "cannot be opened";
    return std::nullopt;
  }
  std::string bytes;
  char buffer[8192];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > advisory::kMaxInputBytes) {
      problem = "larger than an advisory can be";
      return std::nullopt;
    }
  }
  if (in.bad()) {
    problem = "cannot be read";
    return std::nullopt;
  }
  return bytes;
}

std::string fault_text(const Error& error) {
  return error.line > 0 ? "line " + std::to_string(error.line) + ": " + error.problem
                        : error.problem;
}

// Every storm of one file (each forecast/advisory of a text or feed, else its only storm).
std::optional<FileFault> add_file(const std::string& name, std::string bytes,
                                  std::vector<FolderStorm>& storms) {
  std::vector<std::string> ids = advisory::tcm_storm_ids(bytes);
  if (ids.size() < 2) ids = {""};
  std::vector<FolderStorm> read;
  for (const std::string& id : ids) {
    const Result<advisory::Storm> storm = advisory::read_advisory(bytes, {id});
    if (!storm.ok()) return FileFault{name, fault_text(storm.error())};
    read.push_back(FolderStorm{name, bytes, id, storm.value()});
  }
  storms.insert(storms.end(), read.begin(), read.end());
  return std::nullopt;
}

}  // namespace

FolderAdvisories read_folder(const std::filesystem::path& dir) {
  FolderAdvisories folder;
  std::vector<std::filesystem::path> files;
  std::error_code failed;
  for (const auto& entry : std::filesystem::directory_iterator(dir, failed)) {
    const std::string name = entry.path().filename().string();
    std::error_code kind_failed;
    if (name.starts_with(".") || !entry.is_regular_file(kind_failed)) continue;
    files.push_back(entry.path());
  }
  if (failed) {
    folder.faults.push_back({dir.string(), "cannot be listed: " + failed.message()});
    return folder;
  }
  std::sort(files.begin(), files.end());
  std::vector<FolderStorm> storms;
  for (const std::filesystem::path& path : files) {
    const std::string name = path.filename().string();
    std::string problem;
    std::optional<std::string> bytes = read_whole(path, problem);
    if (!bytes) {
      folder.faults.push_back({name, problem});
    } else if (auto fault = add_file(name, std::move(*bytes), storms)) {
      folder.faults.push_back(std::move(*fault));
    }
  }
  for (FolderStorm& storm : storms) {
    const auto same =
        std::find_if(folder.storms.begin(), folder.storms.end(),
                     [&](const FolderStorm& s) { return s.storm.id == storm.storm.id; });
    if (same == folder.storms.end()) {
      folder.storms.push_back(std::move(storm));
    } else if (storm.storm.fix.time > same->storm.fix.time) {
      *same = std::move(storm);
    }
  }
  return folder;
}

}  // namespace hurricane::watch
