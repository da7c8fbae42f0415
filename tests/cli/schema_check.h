// Checks a JSON value against the part of JSON Schema that docs/advice.schema.json uses:
// type, enum, const, properties, required, additionalProperties (false), items, minItems,
// maxItems, minimum, maximum, oneOf, local "$ref"s into "$defs" and "$ref"s into the "$defs" (or
// the whole) of another schema file given to the check. Any other keyword in the schema is
// reported, so the schema cannot silently rely on more than is checked.
#pragma once

#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace hurricane::cli_test {

using nlohmann::json;

// Schema files a "$ref" may name, by file name ("advice.schema.json#/$defs/forecast").
using SchemaFiles = std::map<std::string, json>;

inline bool has_type(const json& value, const std::string& type) {
  if (type == "object") return value.is_object();
  if (type == "array") return value.is_array();
  if (type == "string") return value.is_string();
  if (type == "boolean") return value.is_boolean();
  if (type == "null") return value.is_null();
  if (type == "integer") return value.is_number_integer();
  if (type == "number") return value.is_number();
  return false;
}

// Appends to `problems` every way `value` (at `where`) breaks `schema`.
inline void check_schema(const json& value, const json& schema, const json& root,
                         const std::string& where, std::vector<std::string>& problems,
                         const SchemaFiles* files = nullptr) {
  for (const auto& [keyword, rule] : schema.items()) {
    if (keyword == "$ref") {
      const std::string ref = rule.get<std::string>();
      const std::size_t hash = ref.find('#');
      const std::string file = ref.substr(0, hash);
      const std::string fragment = hash == std::string::npos ? "" : ref.substr(hash + 1);
      const json* document = &root;
      if (!file.empty()) {
        if (!files || !files->contains(file)) {
          problems.push_back(where + ": unsupported $ref " + ref);
          continue;
        }
        document = &files->at(file);
      }
      const std::string prefix = "/$defs/";
      if (fragment.empty() && !file.empty()) {
        check_schema(value, *document, *document, where, problems, files);
      } else if (fragment.rfind(prefix, 0) == 0) {
        check_schema(value, document->at("$defs").at(fragment.substr(prefix.size())), *document,
                     where, problems, files);
      } else {
        problems.push_back(where + ": unsupported $ref " + ref);
      }
    } else if (keyword == "oneOf") {
      std::size_t matched = 0;
      std::vector<std::string> unmatched;
      for (const json& branch : rule) {
        std::vector<std::string> found;
        check_schema(value, branch, root, where, found, files);
        if (found.empty()) ++matched;
        unmatched.insert(unmatched.end(), found.begin(), found.end());
      }
      if (matched != 1) {
        problems.push_back(where + ": matches " + std::to_string(matched) + " of oneOf");
        if (matched == 0) problems.insert(problems.end(), unmatched.begin(), unmatched.end());
      }
    } else if (keyword == "type") {
      bool any = false;
      for (const json& type : rule.is_array() ? rule : json::array({rule})) {
        any = any || has_type(value, type.get<std::string>());
      }
      if (!any) problems.push_back(where + ": not of type " + rule.dump());
    } else if (keyword == "enum") {
      bool found = false;
      for (const json& allowed : rule) found = found || allowed == value;
      if (!found) problems.push_back(where + ": " + value.dump() + " not in " + rule.dump());
    } else if (keyword == "const") {
      if (value != rule) problems.push_back(where + ": not " + rule.dump());
    } else if (keyword == "required") {
      if (!value.is_object()) continue;
      for (const json& key : rule) {
        if (!value.contains(key.get<std::string>())) {
          problems.push_back(where + ": lacks " + key.get<std::string>());
        }
      }
    } else if (keyword == "properties") {
      if (!value.is_object()) continue;
      for (const auto& [key, member] : value.items()) {
        if (rule.contains(key)) {
          check_schema(member, rule.at(key), root, where + "." + key, problems, files);
        } else if (schema.value("additionalProperties", true) == false) {
          problems.push_back(where + ": unexpected key " + key);
        }
      }
    } else if (keyword == "items") {
      if (!value.is_array()) continue;
      for (std::size_t i = 0; i < value.size(); ++i) {
        check_schema(value[i], rule, root, where + "[" + std::to_string(i) + "]", problems, files);
      }
    } else if (keyword == "minItems" || keyword == "maxItems") {
      if (!value.is_array()) continue;
      const bool low = keyword == "minItems";
      if (low ? value.size() < rule.get<std::size_t>() : value.size() > rule.get<std::size_t>()) {
        problems.push_back(where + ": " + std::to_string(value.size()) + " items");
      }
    } else if (keyword == "minimum" || keyword == "maximum") {
      if (!value.is_number()) continue;
      const double number = value.get<double>();
      const double bound = rule.get<double>();
      if (keyword == "minimum" ? number < bound : number > bound) {
        problems.push_back(where + ": " + value.dump() + " beyond " + keyword + " " + rule.dump());
      }
    } else if (keyword == "additionalProperties") {
      if (rule != false) problems.push_back(where + ": additionalProperties must be false");
    } else if (keyword != "$schema" && keyword != "title" && keyword != "description" &&
               keyword != "$defs") {
      problems.push_back(where + ": the check does not know the keyword " + keyword);
    }
  }
}

#ifdef HURRICANE_SOURCE_DIR
// The schema file `name` of docs/ ("advice.schema.json"), read once per test program.
inline const json& schema_file(const std::string& name) {
  static std::map<std::string, json> read;
  const auto found = read.find(name);
  if (found != read.end()) return found->second;
  std::ifstream file(std::string(HURRICANE_SOURCE_DIR) + "/docs/" + name);
  return read.emplace(name, json::parse(file)).first->second;
}
#endif

inline std::vector<std::string> schema_problems(const json& value, const json& schema,
                                                const SchemaFiles* files = nullptr) {
  std::vector<std::string> problems;
  check_schema(value, schema, schema, "$", problems, files);
  return problems;
}

}  // namespace hurricane::cli_test
