#include "server/reply.h"

#include <nlohmann/json.hpp>

namespace hurricane::server {

Reply error_reply(int status, std::string_view message, std::string_view field,
                  std::string_view words) {
  nlohmann::ordered_json body = {{"error", message}};
  if (!field.empty()) body["field"] = field;
  if (!words.empty()) body["template"] = words;
  // Replacing bad UTF-8 keeps the dump from throwing on a message that quotes raw input.
  return Reply{status, "application/json",
               body.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace), ""};
}

}  // namespace hurricane::server
