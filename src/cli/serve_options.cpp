#include "cli/serve_options.h"

#include "cli/exit_status.h"
#include "cli/messages.h"
#include "server/limits.h"

namespace hurricane::cli {
namespace {

constexpr const char* kServeFooter =
    "Serves the page at / and the JSON API at /api/advice and /api/health until\n"
    "SIGINT or SIGTERM. The default address is this machine only; --listen\n"
    "0.0.0.0:8080 serves every network the machine is on. Port 0 picks a free port;\n"
    "the first line printed names it.\n"
    "With --watch-dir it stands watch too, as `watch` does (the same options, no\n"
    "--once): the live state at /api/live and on the page, where alarms are\n"
    "acknowledged.\n"
    "Exit status: 0 stopped by a signal, 1 cannot listen there, 2 wrong usage.";

}  // namespace

ServeOptions::ServeOptions(CLI::App& app)
    : command_(app.add_subcommand("serve", "Serve the advisor as a web page and a JSON API")),
      listen_(server::kDefaultListen),
      watch_(*command_, WatchOptions::Beside{}) {
  command_->footer(kServeFooter);
  command_->add_option("--listen", listen_, "Address and port to listen on")
      ->type_name("ADDR:PORT")
      ->default_str(server::kDefaultListen)
      ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
}

Result<ServeRequest> ServeOptions::request() const {
  const Result<server::ListenAddress> address = server::parse_listen_address(listen_);
  if (!address.ok()) {
    // An address the server cannot take is wrong usage of `serve` (status 2).
    Error error = address.error();
    error.kind = ErrorKind::kUsage;
    return error;
  }
  ServeRequest request{address.value(), std::nullopt};
  if (watch_.given()) {
    Result<WatchRequest> watch = watch_.request();
    if (!watch.ok()) return watch.error();
    request.watch = std::move(watch.value());
  }
  return request;
}

}  // namespace hurricane::cli
