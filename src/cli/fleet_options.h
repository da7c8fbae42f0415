// The options of `fleet`, and the typed request they make.
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

namespace hurricane::cli {

// `fleet`: the storms every ship of standard input is judged against.
struct FleetRequest {
  std::vector<std::string> advisories;  // the first is the classic advice's storm
  std::string storm_id;                 // of the first, when it holds several
  double horizon_h = 72.0;              // advice [F]'s horizon, hours
  double cone_scale = 2.0;              // multiplies [F]'s two-thirds cone
  double margin_nm = 100.0;             // [F]'s margin, nm
  std::string land_file;                // the shoreline; empty: the installed one
  bool no_land = false;                 // land left out, and each answer says so
  unsigned threads = 1;                 // >= 1
};

// The `fleet` subcommand: declares its options on construction (CLI11 checks their ranges);
// request() reads them once the command line is parsed.
class FleetOptions {
 public:
  explicit FleetOptions(CLI::App& app);
  FleetOptions(const FleetOptions&) = delete;
  FleetOptions& operator=(const FleetOptions&) = delete;

  bool parsed() const { return command_->parsed(); }
  FleetRequest request() const { return request_; }

 private:
  CLI::App* command_;
  FleetRequest request_;
};

}  // namespace hurricane::cli
