// The options of `serve`, and the typed request they make.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "cli/command_error.h"
#include "cli/watch_options.h"
#include "server/listen_address.h"

namespace hurricane::cli {

// `serve`: where to listen, and the watch it stands with --watch-dir.
struct ServeRequest {
  server::ListenAddress listen;
  std::optional<WatchRequest> watch;
};

// The `serve` subcommand: declares its options on construction; request() reads them once
// the command line is parsed.
class ServeOptions {
 public:
  explicit ServeOptions(CLI::App& app);
  ServeOptions(const ServeOptions&) = delete;
  ServeOptions& operator=(const ServeOptions&) = delete;

  bool parsed() const { return command_->parsed(); }
  Result<ServeRequest> request() const;

 private:
  CLI::App* command_;
  std::string listen_;
  WatchOptions watch_;
};

}  // namespace hurricane::cli
