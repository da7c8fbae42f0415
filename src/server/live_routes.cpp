#include "server/live_routes.h"

#include <nlohmann/json.hpp>
#include <string>

#include "watch/alarm_kinds.h"

namespace hurricane::server {
namespace {

using nlohmann::json;

bool live_read(std::string_view method) {
  return method == "GET" || method == "HEAD";
}

Reply no_watch() {
  return error_reply(404, "this server stands no watch: start serve with --watch-dir DIR");
}

Reply latest(const watch::LiveBoard& board) {
  watch::LivePost post = board.latest();
  if (post.sequence == 0) return error_reply(503, "the watch has not answered yet");
  return Reply{200, "application/json", std::move(post.json), ""};
}

// Whether the latest state holds the alarm; true when that cannot be told (nothing posted yet).
bool raised(const watch::LiveBoard& board, const std::string& kind, const std::string& subject) {
  const watch::LivePost post = board.latest();
  if (post.sequence == 0) return true;
  const json state = json::parse(post.json, nullptr, false);
  if (!state.is_object() || !state.contains("alarms")) return true;
  for (const json& alarm : state["alarms"]) {
    if (alarm.value("kind", "") == kind && alarm.value("subject", "") == subject) return true;
  }
  return false;
}

Reply acknowledge(watch::LiveBoard& board, std::string_view body) {
  const json request = json::parse(body, nullptr, false);
  if (!request.is_object()) {
    return error_reply(400, "the body must be a JSON object {\"kind\", \"subject\"}");
  }
  const auto kind = request.find("kind");
  if (kind == request.end() || !kind->is_string()) {
    return error_reply(400, "kind: expected the alarm's kind as a string", "kind");
  }
  if (!watch::kind_named(kind->get<std::string>())) {
    return error_reply(400, "kind: no alarm is of this kind", "kind");
  }
  const auto subject = request.find("subject");
  if (subject == request.end() || !subject->is_string()) {
    return error_reply(400, "subject: expected the alarm's subject as a string (\"\" for none)",
                       "subject");
  }
  if (!raised(board, kind->get<std::string>(), subject->get<std::string>())) {
    return error_reply(404, "no such alarm is raised");
  }
  board.ask_ack({kind->get<std::string>(), subject->get<std::string>()});
  return Reply{202, "application/json", R"({"status":"asked"})", ""};
}

}  // namespace

std::optional<Reply> live_route(std::string_view method, std::string_view path,
                                std::string_view body, watch::LiveBoard* board) {
  if (path == kLivePath || path == kLiveEventsPath) {
    if (!live_read(method)) {
      return Reply{405, "application/json", R"({"error":"use GET"})", "GET, HEAD"};
    }
    if (board == nullptr) return no_watch();
    // The stream itself is the HTTP side's; here only its refusals.
    if (path == kLiveEventsPath) return std::nullopt;
    return latest(*board);
  }
  if (path == kLiveAckPath) {
    if (method != "POST") return Reply{405, "application/json", R"({"error":"use POST"})", "POST"};
    if (board == nullptr) return no_watch();
    return acknowledge(*board, body);
  }
  return std::nullopt;
}

}  // namespace hurricane::server
