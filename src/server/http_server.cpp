#include "server/http_server.h"

#include <sys/socket.h>

#include <exception>
#include <string>

#include "server/limits.h"
#include "server/live_routes.h"
#include "server/live_stream.h"
#include "server/reply.h"
#include "server/routes.h"
#include "server/worker_pool.h"

namespace hurricane::server {

namespace {

// The page loads only its own files: no inline script or style, nothing from elsewhere.
const httplib::Headers& security_headers() {
  static const httplib::Headers headers = {
      {"Content-Security-Policy", "default-src 'self'"},
      {"X-Content-Type-Options", "nosniff"},
      {"Cache-Control", "no-store"},
      {"Referrer-Policy", "no-referrer"},
  };
  return headers;
}

void write_reply(const Reply& reply, httplib::Response& response) {
  response.status = reply.status;
  if (!reply.allow.empty()) response.set_header("Allow", reply.allow);
  response.set_content(reply.body, reply.content_type.c_str());
}

void handle_request(watch::LiveBoard* board, const httplib::Request& request,
                    httplib::Response& response) {
  if (auto live = live_route(request.method, request.path, request.body, board)) {
    write_reply(*live, response);
  } else if (request.path == kLiveEventsPath && board != nullptr) {
    stream_live(*board, request.get_header_value("Last-Event-ID"), response);
  } else {
    write_reply(respond(request.method, request.path, request.body, board != nullptr), response);
  }
}

// What an error the library found itself (a body too long, a request it could not read) says.
std::string library_error_message(int status) {
  switch (status) {
    case 400:
      return "the request could not be read";
    case 413:
      return "the body is larger than " + std::to_string(kMaxBodyBytes) + " bytes";
    case 414:
      return "the address is longer than " + std::to_string(kMaxHeaderLineBytes) + " bytes";
    default:
      return "the request could not be answered";
  }
}

}  // namespace

void configure(httplib::Server& server, watch::LiveBoard* board) {
  server.new_task_queue = [] { return new WorkerPool(kWorkerThreads, kMaxWaitingConnections); };
  server.set_payload_max_length(kMaxBodyBytes);
  server.set_read_timeout(kReadTimeoutSeconds, 0);
  server.set_write_timeout(kWriteTimeoutSeconds, 0);
  server.set_keep_alive_timeout(kKeepAliveTimeoutSeconds);
  server.set_keep_alive_max_count(kKeepAliveMaxRequests);
  server.set_tcp_nodelay(true);
  server.set_default_headers(security_headers());

  // The library routes by method; every method it knows goes to the one router, which
  // decides between 404 and 405 itself.
  const char* const everything = ".*";
  const auto handle = [board](const httplib::Request& request, httplib::Response& response) {
    handle_request(board, request, response);
  };
  server.Get(everything, handle);
  server.Post(everything, handle);
  server.Put(everything, handle);
  server.Patch(everything, handle);
  server.Delete(everything, handle);
  server.Options(everything, handle);

  // Errors the library answers itself get a JSON body and the headers too; the router's own
  // errors already have their body.
  const httplib::Server::HandlerWithResponse on_error = [](const httplib::Request&,
                                                           httplib::Response& response) {
    for (const auto& [name, value] : security_headers()) {
      if (!response.has_header(name.c_str())) response.set_header(name, value);
    }
    if (!response.body.empty()) return httplib::Server::HandlerResponse::Unhandled;
    write_reply(error_reply(response.status, library_error_message(response.status)), response);
    return httplib::Server::HandlerResponse::Handled;
  };
  server.set_error_handler(on_error);
  server.set_exception_handler(
      [](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
        write_reply(error_reply(500, "the request could not be answered"), response);
      });
}

int bind_server(httplib::Server& server, const ListenAddress& address) {
  // The library's own options add SO_REUSEPORT, with which a second server binds a port in use
  // and the system splits the connections between the two. SO_REUSEADDR alone lets a restart
  // take the port back from connections still closing.
  int listening = -1;
  server.set_socket_options([&listening](socket_t socket) {
    const int yes = 1;
    setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    listening = socket;
  });
  int port = address.port;
  if (address.port == 0) {
    port = server.bind_to_any_port(address.host);
  } else if (!server.bind_to_port(address.host, address.port)) {
    port = -1;
  }
  if (port <= 0 || listening < 0) return -1;
  // The library listens with a queue of 5, which a burst of new clients overflows: the system
  // drops their connections and they wait a second to try again. Listening again on the same
  // socket only changes the queue's length.
  if (listen(listening, kListenQueue) != 0) return -1;
  return port;
}

}  // namespace hurricane::server
