#include "cli/plan_files.h"

#include "answer/plan_route.h"
#include "json/geojson.h"
#include "route/write_route.h"

namespace hurricane::cli {
namespace {

// Why the answer holds no plan.
std::string no_plan(const answer::Answer& answer) {
  if (!answer.forecast) return "advice [F] was left out";
  if (!answer.forecast->advice) return answer.forecast->no_forecast;
  return "no storm is forecast within the horizon";
}

}  // namespace

Exports export_files(const answer::Answer& answer, const std::string& gpx, const std::string& rtz,
                     const std::string& geojson) {
  Exports exports;
  if (!gpx.empty() || !rtz.empty()) {
    const char* option = gpx.empty() ? "--rtz" : "--gpx";
    if (!answer.plan || !answer.plan->judged || answer.plan->track.size() < 2) {
      exports.failed = std::string(option) + ": no escape plan to write: " + no_plan(answer);
      return exports;
    }
    const route::Route route = answer::plan_route(*answer.plan);
    if (!gpx.empty()) exports.files.push_back({gpx, route::gpx_text(route)});
    if (!rtz.empty()) exports.files.push_back({rtz, route::rtz_text(route)});
  }
  if (!geojson.empty()) {
    const Result<nlohmann::ordered_json> features = json::answer_geojson(answer);
    if (!features.ok()) {
      exports.failed = "--geojson: " + features.error().problem;
      return exports;
    }
    exports.files.push_back({geojson, features.value().dump() + '\n'});
  }
  return exports;
}

}  // namespace hurricane::cli
