// The body of POST /api/advice on arbitrary bytes, through the server's whole router. Built
// with libFuzzer (clang) it searches for bodies that break the properties below; built
// without it, main() replays files and directories, so every past finding stays a test.
//   - no request is answered 500: every body is either answered or refused;
//   - every 200 is the advice document (with its picture) and keeps to the schema;
//   - every 400 says what is wrong, and for a body that is a JSON object it names the field
//     at fault in API words: the key of the body, never a command-line option; its template
//     (inputs as "{key}", for a form's labels) says the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "cli/schema_check.h"
#include "server/routes.h"

namespace {

using nlohmann::json;

const char* current_input = "(input)";  // named in failure messages

void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "API check failed on %s: %s\n", current_input, what);
  std::abort();
}

const json& schema() {
  static const json parsed = [] {
    std::ifstream file(HURRICANE_SOURCE_DIR "/docs/advice.schema.json");
    return json::parse(file);
  }();
  return parsed;
}

// The message without the values it quotes: what the server itself words.
std::string own_words(const std::string& message) {
  std::string words;
  bool quoted = false;
  for (const char c : message) {
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted) {
      words += c;
    }
  }
  return words;
}

// A text without the index of a fix ("fixes[1]" as "fixes").
std::string without_index(std::string text) {
  for (const char* index : {"[0]", "[1]"}) {
    for (std::size_t at = text.find(index); at != std::string::npos; at = text.find(index, at)) {
      text.erase(at, 3);
    }
  }
  return text;
}

// A template with every "{key}" as the key itself: what the message says.
std::string keys_of(const std::string& words) {
  std::string text;
  for (const char c : words) {
    if (c != '{' && c != '}') text += c;
  }
  return without_index(text);
}

// The key a field names: "fixes" for "fixes[1]".
std::string key_of(const std::string& field) {
  return field.substr(0, field.find('['));
}

// Whether `text` holds an option's name: "--" and a letter (an advisory's "---" is none).
bool names_option(const std::string& text) {
  for (std::size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at + 1)) {
    const bool dashes_before = at > 0 && text[at - 1] == '-';
    const char next = at + 2 < text.size() ? text[at + 2] : ' ';
    if (!dashes_before && next >= 'a' && next <= 'z') return true;
  }
  return false;
}

void check_answer(std::string_view body) {
  const json parsed = json::parse(body);
  require(parsed.is_object(), "a 200 that is not a JSON object");
  // The board draws the classic advice: null exactly when that was left out (classic_needs).
  require(parsed.contains("svg") && (parsed["svg"].is_string() ||
                                     (parsed["svg"].is_null() && parsed.contains("classic_needs"))),
          "a 200 without its picture");
  json document = parsed;
  document.erase("svg");
  // The forecast chart is drawn only for an advisory's [F] advice; when there, it is a document.
  if (document.contains("chart")) {
    require(document["chart"].is_string(), "a chart that is not a document");
    require(document.contains("forecast"), "a chart without advice [F]");
    document.erase("chart");
  }
  const auto problems = hurricane::cli_test::schema_problems(document, schema());
  for (const std::string& problem : problems) std::fprintf(stderr, "%s\n", problem.c_str());
  require(problems.empty(), "a 200 that breaks the schema");
}

void check_refusal(std::string_view request, std::string_view body) {
  const json parsed = json::parse(body);
  require(parsed.contains("error") && parsed["error"].is_string(), "a 400 without a message");
  const std::string message = parsed["error"].get<std::string>();
  require(!message.empty(), "a 400 with an empty message");
  // The server's own words: without the values it quotes, nor the field named, which is the
  // request's own key (an unknown one is echoed as sent, dashes and all).
  std::string words_of_server = own_words(message);
  if (parsed.contains("field") && parsed["field"].is_string()) {
    const std::string field = parsed["field"].get<std::string>();
    for (const std::string& key : {field, key_of(field)}) {
      for (std::size_t at = key.empty() ? std::string::npos : words_of_server.find(key);
           at != std::string::npos; at = words_of_server.find(key, at)) {
        words_of_server.erase(at, key.size());
      }
    }
  }
  require(!names_option(words_of_server), "a 400 that names a command-line option");
  const json sent = json::parse(request, nullptr, /*allow_exceptions=*/false);
  if (!sent.is_object()) return;  // the body as a whole is at fault
  require(parsed.contains("field") && parsed["field"].is_string(), "a 400 naming no field");
  const std::string field = parsed["field"].get<std::string>();
  require(!field.empty(), "a 400 naming an empty field");
  require(message.find(key_of(field)) != std::string::npos,
          "a 400 whose message does not name its field");
  require(parsed.contains("template") && parsed["template"].is_string(),
          "a 400 without the template of its message");
  const std::string words = parsed["template"].get<std::string>();
  require(words.find("{" + field + "}") != std::string::npos,
          "a 400 whose template does not name its field");
  require(keys_of(words) == without_index(message),
          "a 400 whose template says another thing than its message");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  const hurricane::server::Reply reply = hurricane::server::respond("POST", "/api/advice", body);
  require(reply.status == 200 || reply.status == 400, "answered neither 200 nor 400");
  require(reply.content_type == "application/json", "an answer that is not JSON");
  require(json::accept(reply.body), "an answer that does not parse");
  if (reply.status == 200) {
    check_answer(reply.body);
  } else {
    check_refusal(body, reply.body);
  }
  return 0;
}

#ifndef HURRICANE_LIBFUZZER
#include "replay.h"

int main(int argc, char** argv) {
  const std::size_t count = hurricane::fuzz::replay(argc, argv, current_input, require);
  std::printf("replayed %zu inputs\n", count);
  return count == 0 ? 1 : 0;
}
#endif
