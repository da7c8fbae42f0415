#include "cli/hindcast_output.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "cli/wrapped.h"
#include "forecast/track.h"

namespace hurricane::cli {
namespace {

using hindcast::Encounter;
using hindcast::HindcastResult;
using hindcast::IssuedAdvisory;
using hindcast::PolicyScore;

std::string fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string percent(std::size_t part, std::size_t whole) {
  if (whole == 0) return "-";
  return fixed(100.0 * static_cast<double>(part) / static_cast<double>(whole), 1) + "%";
}

// `text` after blanks up to `width` characters: a right-aligned column.
std::string right_aligned(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string advisory_name(const IssuedAdvisory& issued) {
  return issued.storm.number ? std::to_string(*issued.storm.number) : std::string("-");
}

std::string plans_text(const hindcast::Outcome& outcome) {
  std::string text;
  for (const hindcast::Plan& plan : outcome.plans) {
    if (!text.empty()) text += ' ';
    text += fixed(plan.course_deg, 0) + "/" + fixed(plan.speed_kn, 1);
  }
  return text;
}

std::string rings_text(const std::vector<double>& rings) {
  std::string text;
  for (double ring : rings) text += (text.empty() ? "" : ", ") + fixed(ring, 0);
  return text;
}

// Every line of `text` within the width of a bridge terminal.
std::string wrapped_text(const std::string& text) {
  std::string out;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    for (const std::string& piece : wrapped(std::string_view(text).substr(start, end - start))) {
      out += piece + "\n";
    }
    start = end + 1;
  }
  return out;
}

}  // namespace

std::string hindcast_text(const HindcastSetting& setting, const std::vector<IssuedAdvisory>& series,
                          const HindcastResult& result) {
  const hindcast::HindcastOptions& o = setting.options;
  std::string text = "Hindcast of " + setting.storm_id +
                     (setting.storm_name.empty() ? "" : " (" + setting.storm_name + ")") + ": " +
                     std::to_string(setting.advisories) + " advisories, ships started from " +
                     std::to_string(result.starts) + "\n";
  text += "Ships: rings " + rings_text(o.rings_nm) + " nm x " + std::to_string(o.bearings) +
          " bearings, " + fixed(o.ship_speed_kn, 1) + " kn, followed " + fixed(o.hours, 0) +
          " h (less where the best track ends), re-planning at every advisory\n";
  text +=
      "Voyage course of ship i on its advisory (ring by ring, bearings from north): 45 x (i "
      "mod 8) degrees true\n";
  text += "Forecast advice: cone x" + fixed(o.forecast.cone_scale, 2) + ", margin " +
          fixed(o.forecast.margin_nm, 0) + " nm, horizon " + fixed(o.forecast.horizon_h, 0) +
          " h, " +
          (o.forecast.shoreline ? "held against land (starts on or within 1 nm of land dropped)"
                                : "land left out") +
          "\n";
  const std::size_t encounters = result.encounters.size();
  const std::size_t escapable = result.scores.empty() ? 0 : result.scores.front().escapable;
  text += "Encounters: " + std::to_string(encounters) +
          " (ships starting inside the true 34-kt "
          "winds not counted); escapable by " +
          fixed(hindcast::kEscapableNm, 0) + " nm in hindsight: " + std::to_string(escapable) +
          "\n\n";
  // Two header lines keep the table within the 80 columns of a bridge terminal.
  text +=
      "                           escaped of   deepest   deepest nm\n"
      "policy            escaped   escapable        nm    escapable  progress  aground\n";
  for (const PolicyScore& s : result.scores) {
    std::string name = hindcast::policy_name(s.policy);
    name.resize(16, ' ');
    text += name + right_aligned(percent(s.escaped, s.encounters), 9) +
            right_aligned(percent(s.escaped_of_escapable, s.escapable), 12) +
            right_aligned(fixed(s.deepest_entry_nm, 1), 10) +
            right_aligned(fixed(s.deepest_escapable_entry_nm, 1), 13) +
            right_aligned(fixed(100.0 * s.progress, 1) + "%", 10) +
            right_aligned(s.groundings ? std::to_string(*s.groundings) : "-", 9) + "\n";
  }
  text += "\nWorst cases (escapable, aground or entered deepest):\n";
  for (const PolicyScore& s : result.scores) {
    for (std::size_t index : s.worst) {
      const Encounter& e = result.encounters[index];
      const hindcast::Outcome& outcome =
          e.outcomes[static_cast<std::size_t>(&s - result.scores.data())];
      const IssuedAdvisory& issued = series[e.start.advisory];
      text += std::string(hindcast::policy_name(s.policy)) + ": advisory " + advisory_name(issued) +
              " (" + navigation::format_utc_time(issued.time) + "), " + fixed(e.ring_nm, 0) +
              " nm at " + fixed(e.bearing_deg, 0) + " deg, voyage " +
              fixed(e.start.voyage_course_deg, 0) + ": " +
              (outcome.grounded_at_h ? "aground at " + fixed(*outcome.grounded_at_h, 1) + " h, "
                                     : std::string()) +
              (outcome.least_nm < 0.0 ? fixed(-outcome.least_nm, 1) + " nm deep"
                                      : fixed(outcome.least_nm, 1) + " nm clear at least") +
              " at " + fixed(outcome.least_at_h, 1) + " h (hindsight best " +
              fixed(e.hindsight.best_nm, 1) + " nm); plans " + plans_text(outcome) + "\n";
    }
  }
  return wrapped_text(text);
}

nlohmann::ordered_json hindcast_json(const HindcastSetting& setting,
                                     const std::vector<IssuedAdvisory>& series,
                                     const HindcastResult& result) {
  const hindcast::HindcastOptions& o = setting.options;
  nlohmann::ordered_json json;
  json["storm_id"] = setting.storm_id;
  json["advisories"] = setting.advisories;
  json["starts"] = result.starts;
  json["rings_nm"] = o.rings_nm;
  json["bearings"] = o.bearings;
  json["ship_speed_kn"] = o.ship_speed_kn;
  json["hours"] = o.hours;
  json["forecast"] = {{"cone_scale", o.forecast.cone_scale},
                      {"margin_nm", o.forecast.margin_nm},
                      {"horizon_h", o.forecast.horizon_h},
                      {"land", o.forecast.shoreline != nullptr}};
  json["escapable_nm"] = hindcast::kEscapableNm;
  json["policies"] = nlohmann::ordered_json::array();
  for (std::size_t p = 0; p < result.scores.size(); ++p) {
    const PolicyScore& s = result.scores[p];
    nlohmann::ordered_json worst = nlohmann::ordered_json::array();
    for (std::size_t index : s.worst) {
      const Encounter& e = result.encounters[index];
      const IssuedAdvisory& issued = series[e.start.advisory];
      nlohmann::ordered_json plans = nlohmann::ordered_json::array();
      for (const hindcast::Plan& plan : e.outcomes[p].plans) {
        plans.push_back({{"course_deg", plan.course_deg}, {"speed_kn", plan.speed_kn}});
      }
      worst.push_back({{"advisory", advisory_name(issued)},
                       {"time", navigation::format_utc_time(issued.time)},
                       {"ring_nm", e.ring_nm},
                       {"bearing_deg", e.bearing_deg},
                       {"voyage_course_deg", e.start.voyage_course_deg},
                       {"depth_nm", -e.outcomes[p].least_nm},
                       {"at_h", e.outcomes[p].least_at_h},
                       {"grounded_at_h", e.outcomes[p].grounded_at_h
                                             ? nlohmann::ordered_json(*e.outcomes[p].grounded_at_h)
                                             : nlohmann::ordered_json(nullptr)},
                       {"plans", plans}});
    }
    json["policies"].push_back({{"policy", hindcast::policy_name(s.policy)},
                                {"encounters", s.encounters},
                                {"escapable", s.escapable},
                                {"escaped", s.escaped},
                                {"escaped_of_escapable", s.escaped_of_escapable},
                                {"deepest_entry_nm", s.deepest_entry_nm},
                                {"deepest_escapable_entry_nm", s.deepest_escapable_entry_nm},
                                {"progress", s.progress},
                                {"groundings", s.groundings ? nlohmann::ordered_json(*s.groundings)
                                                            : nlohmann::ordered_json(nullptr)},
                                {"worst", worst}});
  }
  return json;
}

std::string hindcast_csv(const std::vector<IssuedAdvisory>& series, const HindcastResult& result) {
  std::string csv =
      "advisory,time,ring_nm,bearing_deg,lat,lon,voyage_course_deg,hours,hindsight_best_nm,"
      "hindsight_course_deg,policy,least_nm,least_at_h,entered_at_h,grounded_at_h,progress,plans\n";
  for (const Encounter& e : result.encounters) {
    const IssuedAdvisory& issued = series[e.start.advisory];
    for (std::size_t p = 0; p < result.scores.size(); ++p) {
      const hindcast::Outcome& o = e.outcomes[p];
      csv += advisory_name(issued) + ',' + navigation::format_utc_time(issued.time) + ',' +
             fixed(e.ring_nm, 0) + ',' + fixed(e.bearing_deg, 1) + ',' +
             fixed(e.start.position.lat, 4) + ',' + fixed(e.start.position.lon, 4) + ',' +
             fixed(e.start.voyage_course_deg, 0) + ',' + fixed(e.start.hours, 1) + ',' +
             fixed(e.hindsight.best_nm, 2) + ',' +
             (e.hindsight.course_deg ? std::to_string(*e.hindsight.course_deg) : "stay") + ',' +
             hindcast::policy_name(result.scores[p].policy) + ',' + fixed(o.least_nm, 2) + ',' +
             fixed(o.least_at_h, 1) + ',' + (o.entered_at_h ? fixed(*o.entered_at_h, 1) : "") +
             ',' + (o.grounded_at_h ? fixed(*o.grounded_at_h, 1) : "") + ',' +
             fixed(o.progress, 4) + ',' + plans_text(o) + '\n';
    }
  }
  return csv;
}

}  // namespace hurricane::cli
