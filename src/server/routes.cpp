#include "server/routes.h"

#include <exception>
#include <string>

#include "server/advice_answer.h"
#include "server/page_assets.h"

namespace hurricane::server {

namespace {

bool reads(std::string_view method) {
  return method == "GET" || method == "HEAD";
}

Reply health(bool watching) {
  return Reply{200, "application/json",
               watching ? R"({"status":"ok","watch":true})" : R"({"status":"ok","watch":false})",
               ""};
}

Reply routed(std::string_view method, std::string_view path, std::string_view body, bool watching) {
  if (path == "/api/advice") {
    if (method != "POST") return Reply{405, "application/json", R"({"error":"use POST"})", "POST"};
    return advice_reply(body);
  }
  if (path == "/api/health") {
    if (!reads(method)) {
      return Reply{405, "application/json", R"({"error":"use GET"})", "GET, HEAD"};
    }
    return health(watching);
  }
  for (const PageAsset& asset : page_assets()) {
    if (path != asset.path) continue;
    if (!reads(method)) {
      return Reply{405, "application/json", R"({"error":"use GET"})", "GET, HEAD"};
    }
    return Reply{200, std::string(asset.content_type), std::string(asset.bytes), ""};
  }
  return error_reply(404,
                     "no such page: the advisor serves /, /api/advice, /api/health and /api/live");
}

}  // namespace

Reply respond(std::string_view method, std::string_view path, std::string_view body,
              bool watching) {
  try {
    return routed(method, path, body, watching);
  } catch (const std::exception&) {
    return error_reply(500, "the advice could not be formed for this request");
  } catch (...) {
    return error_reply(500, "the advice could not be formed for this request");
  }
}

}  // namespace hurricane::server
