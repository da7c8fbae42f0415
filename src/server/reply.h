// One answer of the server, before it goes on the wire.
#pragma once

#include <string>
#include <string_view>

namespace hurricane::server {

struct Reply {
  int status = 200;
  std::string content_type = "application/json";
  std::string body;
  std::string allow;  // the methods the path takes, for a 405; empty otherwise
};

// error_reply: {"error": message} with `status`, {"field": key} when the error is about one
// input, so a form can mark it, and {"template": the message with every input as "{key}"}
// when given, so a form can name the inputs by its own labels.
Reply error_reply(int status, std::string_view message, std::string_view field = {},
                  std::string_view words = {});

}  // namespace hurricane::server
