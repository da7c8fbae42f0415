// Every JSON document the end-to-end tests receive is kept, so that one test (json.schemas) holds
// them all to their schemas: what a run of the program or the server gives is checked there
// whatever the test that asked for it checks itself. A document is kept as KIND-PID-N.json in
// the directory the build names; KIND says the schema (advise, advisory, fleet, hindcast, api, live).
#pragma once

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace hurricane::schemas_test {

inline void keep_document(const std::string& kind, const std::string& text) {
#ifdef HURRICANE_JSON_DOCUMENTS
  static std::atomic<int> count = 0;
  std::error_code ignored;  // a directory that cannot be made shows as a document missing
  std::filesystem::create_directories(HURRICANE_JSON_DOCUMENTS, ignored);
  const std::string name = std::string(HURRICANE_JSON_DOCUMENTS) + "/" + kind + "-" +
                           std::to_string(getpid()) + "-" + std::to_string(++count) + ".json";
  std::ofstream(name, std::ios::binary) << text;
#else
  (void)kind;
  (void)text;
#endif
}

// The kind of what a successful run of the program wrote, when it is JSON: `advise`,
// `advisory` and `hindcast` with --format json, every `fleet` (one answer a line).
inline std::string document_kind(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return "";
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") return "";  // the help, not a document
  }
  const std::string& command = arguments.front();
  if (command == "fleet") return command;
  const auto format = std::find(arguments.begin(), arguments.end(), "--format");
  const bool json =
      format != arguments.end() && format + 1 != arguments.end() && format[1] == "json";
  if (json && (command == "advise" || command == "advisory" || command == "hindcast")) {
    return command;
  }
  return "";
}

}  // namespace hurricane::schemas_test
