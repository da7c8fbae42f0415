// Replaying a fuzz target's inputs as an ordinary program, so the corpus runs in CTest.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace hurricane::fuzz {

// Hands every file named, and every regular file in every directory named, to the fuzz target
// in sorted order; `current` names the file while it runs. A file that cannot be read fails
// `require`. Returns how many inputs were replayed: none means a wrong path, which the caller
// must not let pass as a green test.
template <class Require>
std::size_t replay(int argc, char** argv, const char*& current, Require require) {
  namespace fs = std::filesystem;
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const fs::path named(argv[i]);
    if (fs::is_directory(named)) {
      for (const auto& entry : fs::directory_iterator(named)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
      }
    } else {
      inputs.push_back(named);
    }
  }
  std::sort(inputs.begin(), inputs.end());
  std::string name;
  for (const fs::path& path : inputs) {
    name = path.string();
    current = name.c_str();
    std::ifstream file(path, std::ios::binary);
    require(file.good(), "cannot open the input");
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  return inputs.size();
}

}  // namespace hurricane::fuzz
