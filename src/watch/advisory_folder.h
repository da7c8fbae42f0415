// The advisories of a folder: every storm of every file that reads, and each file that does not
// with its error.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "advisory/storm.h"

namespace hurricane::watch {

struct FolderStorm {
  std::string file;     // the file's name within the folder
  std::string bytes;    // the whole file, as answer::answer reads the chosen storm from it
  std::string read_id;  // the id it is read by from `bytes`: empty for a file of one storm
  advisory::Storm storm;
};

struct FileFault {
  std::string file;
  std::string problem;  // "line 12: ..." or why the file could not be opened
};

struct FolderAdvisories {
  std::vector<FolderStorm> storms;  // one per storm id: the one of the latest fix
  std::vector<FileFault> faults;    // in file-name order
};

// read_folder: the regular files of `dir` in name order, hidden ones ("."-prefixed, such as a
// file still being written under a temporary name) left out. A storm given by several files is
// the one with the latest fix (a newer advisory replaces an older one).
FolderAdvisories read_folder(const std::filesystem::path& dir);

}  // namespace hurricane::watch
