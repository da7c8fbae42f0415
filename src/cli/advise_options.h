// The options of `advise`, and the typed request they make.
#pragma once

#include <CLI/CLI.hpp>
#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/command_error.h"
#include "situation/situation.h"

namespace hurricane::cli {

enum class Format { kText, kJson };

// `advise`: the situation's inputs (the storm from an advisory file instead, when given) and
// how to write the answer.
struct AdviseRequest {
  situation::Request request;
  Format format = Format::kText;
  std::optional<std::string> advisory;  // --advisory FILE
  std::string storm_id;                 // --storm-id
  std::optional<double> margin;         // --margin, nm
  std::string svg;                      // the picture's file, empty for none
  bool night = false;                   // the picture in red on black
};

// The `advise` subcommand: declares its options on construction; request() reads what was
// given once the command line is parsed. Numbers are read here (an unreadable one is an
// unusable value, status 1); positions and times are left to the situation.
class AdviseOptions {
 public:
  explicit AdviseOptions(CLI::App& app);
  AdviseOptions(const AdviseOptions&) = delete;
  AdviseOptions& operator=(const AdviseOptions&) = delete;

  bool parsed() const { return command_->parsed(); }
  std::variant<AdviseRequest, CommandError> request() const;

 private:
  CLI::App* command_;
  std::array<std::string, 6> numbers_;  // the six values' texts
  std::array<CLI::Option*, 6> number_options_{};
  std::string ship_, storm_, at_, format_ = "text", advisory_, margin_, storm_id_, svg_;
  std::vector<std::string> fixes_;
  bool north_ = false, south_ = false, night_ = false;
  CLI::Option *ship_option_, *storm_option_, *fix_option_, *at_option_, *north_option_,
      *south_option_, *advisory_option_, *margin_option_, *storm_id_option_, *svg_option_;
};

}  // namespace hurricane::cli
