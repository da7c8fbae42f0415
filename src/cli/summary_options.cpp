#include "cli/summary_options.h"

namespace hurricane::cli {
namespace {

constexpr const char* kSummaryFooter =
    "FILE is a forecast/advisory text, a JTWC warning, an NHC RSS feed or ATCF\n"
    "records; - is standard input. Exit status: 0 read, 1 the file cannot be read\n"
    "or used, 2 wrong usage.";

}  // namespace

SummaryOptions::SummaryOptions(CLI::App& app)
    : command_(app.add_subcommand("advisory", "Print what a storm advisory holds")) {
  CLI::App& summary = *command_;
  summary.footer(kSummaryFooter);
  summary.add_option("FILE", file_, "The advisory")->required();
  summary.add_option("--format", format_, "Output: text (the default) or json")
      ->type_name("FORMAT")
      ->check(CLI::IsMember({"text", "json"}));
  summary.add_option("--storm-id", storm_id_, "The storm, when the file holds several")
      ->type_name("ID")
      ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
}

SummaryRequest SummaryOptions::request() const {
  return {file_, storm_id_, format_ == "json" ? Format::kJson : Format::kText};
}

}  // namespace hurricane::cli
