#include "cli/hindcast_options.h"

#include <algorithm>
#include <thread>

#include "cli/forecast_tuning.h"

namespace hurricane::cli {
namespace {

constexpr const char* kHindcastFooter =
    "--advisories takes files, or a directory whose *.xml, *.txt and *.tcm files\n"
    "are the advisories (RSS feeds or forecast/advisory texts); --best-track the\n"
    "ATCF b-deck whose 34-kt radii are the truth. --policies chooses among plan,\n"
    "forecast, forecast-maximin, classic, voyage, stay, away and perpendicular (the\n"
    "default: all of them), and hindsight-plan, the plan made on the best track\n"
    "itself.\n"
    "Exit status: 0 scored, 1 an input cannot be used, 2 wrong usage.";

}  // namespace

HindcastOptions::HindcastOptions(CLI::App& app)
    : command_(app.add_subcommand("hindcast", "Score the advice against what a storm really did")),
      threads_(std::max(1u, std::thread::hardware_concurrency())) {
  CLI::App& hindcast = *command_;
  hindcast.footer(kHindcastFooter);
  hindcast::HindcastOptions& options = request_.options;
  hindcast
      .add_option("--advisories", request_.advisories,
                  "The storm's advisories: files or a directory")
      ->required()
      ->type_name("DIR|FILES");
  hindcast.add_option("--best-track", request_.best_track, "The storm's ATCF best track (b-deck)")
      ->required()
      ->type_name("FILE");
  hindcast.add_option("--storm-id", request_.storm_id, "The storm, when a file holds several")
      ->type_name("ID");
  hindcast
      .add_option("--rings", options.rings_nm, "Ship distances from each advisory's centre, nm")
      ->delimiter(',')
      ->type_name("NM,...")
      ->check(CLI::Range(1.0, 3000.0))
      ->default_str("200,300,450");
  hindcast.add_option("--bearings", options.bearings, "Ships per ring")
      ->check(CLI::Range(1, 360))
      ->default_val(12);
  hindcast.add_option("--ship-speed", options.ship_speed_kn, "Ship speed, knots")
      ->check(CLI::Range(1.0, 60.0))
      ->default_val(12.0);
  hindcast.add_option("--hours", options.hours, "How long each ship is followed, hours")
      ->check(CLI::Range(12.0, 120.0))
      ->default_val(72.0);
  add_forecast_tuning(hindcast, options.forecast.horizon_h, options.forecast.cone_scale,
                      options.forecast.margin_nm);
  std::vector<std::string> names;
  for (const hindcast::Policy policy : hindcast::kPolicies) {
    names.emplace_back(hindcast::policy_name(policy));
  }
  hindcast.add_option("--policies", policies_, "Policies followed, in this order")
      ->delimiter(',')
      ->type_name("NAME,...")
      ->check(CLI::IsMember(names).description(""));  // the footer names them
  hindcast.add_option("--threads", threads_, "Threads (default: every core)")
      ->check(CLI::Range(1, 256));
  hindcast.add_option("--format", format_, "Output: text (the default) or json")
      ->check(CLI::IsMember({"text", "json"}));
  hindcast.add_option("--csv", request_.csv, "Also write every encounter here")->type_name("FILE");
  hindcast.add_option("--land", request_.land_file, "Shoreline for [F]; drops starts on land")
      ->type_name("FILE");
}

HindcastRequest HindcastOptions::request() const {
  HindcastRequest request = request_;
  request.options.threads = threads_;
  if (!policies_.empty()) {
    request.options.policies.clear();
    for (const std::string& name : policies_) {
      for (const hindcast::Policy policy : hindcast::kPolicies) {
        const bool again =
            std::find(request.options.policies.begin(), request.options.policies.end(), policy) !=
            request.options.policies.end();
        if (name == hindcast::policy_name(policy) && !again) {
          request.options.policies.push_back(policy);
        }
      }
    }
  }
  request.format = format_ == "json" ? Format::kJson : Format::kText;
  return request;
}

}  // namespace hurricane::cli
