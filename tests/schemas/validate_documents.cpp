// json.schemas: every JSON document the end-to-end tests kept (see kept_documents.h) against
// the schema of its kind in docs/. Fails on the first document that breaks its schema, a kept
// file that is not JSON, or an empty collection (the keeping itself broken).
//
//   validate_documents DOCUMENTS_DIR DOCS_DIR
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/schema_check.h"

namespace {

using hurricane::cli_test::json;
using hurricane::cli_test::SchemaFiles;

json read_json(const std::filesystem::path& path) {
  std::ifstream file(path);
  return json::parse(file);
}

// The API's answer is the advice document with its pictures: the board (null exactly when the
// classic advice was left out) and, with advice [F], the chart.
std::vector<std::string> api_problems(json document, const json& schema, const SchemaFiles& files) {
  std::vector<std::string> problems;
  const json svg = document.value("svg", json("missing"));
  if (!svg.is_string() && !(svg.is_null() && document.contains("classic_needs"))) {
    problems.push_back("$.svg: neither a picture nor null beside classic_needs");
  }
  if (document.contains("chart") &&
      (!document["chart"].is_string() || !document.contains("forecast"))) {
    problems.push_back("$.chart: not a picture of advice [F]");
  }
  document.erase("svg");
  document.erase("chart");
  for (std::string& problem : hurricane::cli_test::schema_problems(document, schema, &files)) {
    problems.push_back(std::move(problem));
  }
  return problems;
}

std::vector<std::string> problems_of(const std::string& kind, const std::string& text,
                                     const std::map<std::string, json>& schemas,
                                     const SchemaFiles& files) {
  if (kind == "fleet") {  // one answer a line
    std::vector<std::string> problems;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      if (line.empty()) continue;
      for (std::string& problem :
           hurricane::cli_test::schema_problems(json::parse(line), schemas.at("fleet"), &files)) {
        problems.push_back(std::move(problem));
      }
    }
    return problems;
  }
  const json document = json::parse(text);
  if (kind == "api") return api_problems(document, schemas.at("advise"), files);
  return hurricane::cli_test::schema_problems(document, schemas.at(kind), &files);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: validate_documents DOCUMENTS_DIR DOCS_DIR\n");
    return 2;
  }
  const std::filesystem::path docs = argv[2];
  const std::map<std::string, json> schemas = {
      {"advise", read_json(docs / "advice.schema.json")},
      {"api", read_json(docs / "advice.schema.json")},
      {"advisory", read_json(docs / "advisory.schema.json")},
      {"fleet", read_json(docs / "fleet.schema.json")},
      {"hindcast", read_json(docs / "hindcast.schema.json")},
      {"live", read_json(docs / "live.schema.json")}};
  const SchemaFiles files = {{"advice.schema.json", schemas.at("advise")}};
  std::map<std::string, int> counts;
  int broken = 0;
  std::error_code none;
  for (const auto& entry : std::filesystem::directory_iterator(argv[1], none)) {
    const std::string name = entry.path().filename().string();
    const std::string kind = name.substr(0, name.find('-'));
    if (!schemas.count(kind)) continue;
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    std::vector<std::string> problems;
    try {
      problems = problems_of(kind, text, schemas, files);
    } catch (const json::exception& failure) {
      problems.push_back(std::string("not JSON: ") + failure.what());
    }
    ++counts[kind];
    if (problems.empty()) continue;
    ++broken;
    std::fprintf(stderr, "%s breaks the %s schema:\n", name.c_str(), kind.c_str());
    for (std::size_t i = 0; i < problems.size() && i < 5; ++i) {
      std::fprintf(stderr, "  %s\n", problems[i].c_str());
    }
  }
  int total = 0;
  for (const auto& [kind, count] : counts) {
    std::printf("%s: %d documents\n", kind.c_str(), count);
    total += count;
  }
  if (total == 0) std::fprintf(stderr, "no documents kept in %s\n", argv[1]);
  std::printf("%d of %d documents break their schema\n", broken, total);
  return total > 0 && broken == 0 ? 0 : 1;
}
