// The options of `hindcast`, and the typed request they make.
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "cli/advise_options.h"
#include "hindcast/hindcast.h"

namespace hurricane::cli {

// `hindcast`: a storm's advisories scored against its best track.
struct HindcastRequest {
  std::vector<std::string> advisories;  // files, or directories of advisory files
  std::string best_track;               // the ATCF b-deck
  std::string storm_id;                 // the storm, when a file holds several
  hindcast::HindcastOptions options;    // rings, ships, speed, hours, [F]'s choices, threads
  Format format = Format::kText;
  std::string csv;        // every encounter's file, empty for none
  std::string land_file;  // the shoreline [F]'s courses are held against; empty: no land
};

// The `hindcast` subcommand: declares its options on construction (CLI11 checks their ranges);
// request() reads them once the command line is parsed.
class HindcastOptions {
 public:
  explicit HindcastOptions(CLI::App& app);
  HindcastOptions(const HindcastOptions&) = delete;
  HindcastOptions& operator=(const HindcastOptions&) = delete;

  bool parsed() const { return command_->parsed(); }
  HindcastRequest request() const;

 private:
  CLI::App* command_;
  HindcastRequest request_;
  std::string format_ = "text";
  std::vector<std::string> policies_;  // by name; empty: every policy
  unsigned threads_;
};

}  // namespace hurricane::cli
