// The options of `advisory FILE`, and the typed request they make.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "cli/advise_options.h"

namespace hurricane::cli {

// `advisory FILE`: print what FILE holds.
struct SummaryRequest {
  std::string file;      // "-" for standard input
  std::string storm_id;  // empty: the only storm
  Format format = Format::kText;
};

// The `advisory` subcommand: declares its options on construction; request() reads them once
// the command line is parsed.
class SummaryOptions {
 public:
  explicit SummaryOptions(CLI::App& app);
  SummaryOptions(const SummaryOptions&) = delete;
  SummaryOptions& operator=(const SummaryOptions&) = delete;

  bool parsed() const { return command_->parsed(); }
  SummaryRequest request() const;

 private:
  CLI::App* command_;
  std::string file_, format_ = "text", storm_id_;
};

}  // namespace hurricane::cli
