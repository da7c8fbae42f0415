#include "json/geojson.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "answer/plan_route.h"
#include "forecast/storm_areas.h"
#include "navigation/utc_time.h"

namespace hurricane::json {
namespace {

using nlohmann::ordered_json;

// Positions as GeoJSON orders them, longitude first, each longitude taken the way nearest a
// reference (the ship, else the first storm): the whole collection in one frame, so a shape
// across 180 degrees stays whole (running past it) rather than cut at points no plan holds.
struct Frame {
  double lon = 0.0;
  ordered_json at(navigation::LatLon point) const {
    return ordered_json::array(
        {point.lon + 360.0 * std::round((lon - point.lon) / 360.0), point.lat});
  }
};

// The polygon of `outline` (clockwise, open): one ring, closed, counterclockwise as the
// right-hand rule asks.
ordered_json polygon(const std::vector<navigation::LatLon>& outline, const Frame& frame) {
  ordered_json ring = ordered_json::array();
  for (auto point = outline.rbegin(); point != outline.rend(); ++point) {
    ring.push_back(frame.at(*point));
  }
  if (!ring.empty()) ring.push_back(ring.front());
  return {{"type", "Polygon"}, {"coordinates", ordered_json::array({std::move(ring)})}};
}

ordered_json feature(ordered_json geometry, ordered_json properties) {
  return {{"type", "Feature"},
          {"geometry", std::move(geometry)},
          {"properties", std::move(properties)}};
}

std::string storm_name(const std::string& id, const std::vector<advisory::Storm>& storms) {
  for (const advisory::Storm& storm : storms) {
    if (storm.id != id || storm.name.empty()) continue;
    return storm.kind.empty() ? storm.name : storm.kind + ' ' + storm.name;
  }
  return id;
}

// The storm's properties every area carries.
ordered_json storm_properties(const char* kind, const forecast::StormTrack& track,
                              const std::vector<advisory::Storm>& storms, int kt,
                              forecast::Time at) {
  return {{"kind", kind},
          {"storm", track.storm_id},
          {"storm_name", storm_name(track.storm_id, storms)},
          {"kt", kt},
          {"time", navigation::format_utc_time(at)}};
}

// The plan's track as one line, and each of its turns as a point named as the route names it.
void add_plan(const plan::Plan& plan, const Frame& frame, ordered_json& features) {
  const route::Route named = answer::plan_route(plan);
  ordered_json line = ordered_json::array();
  ordered_json times = ordered_json::array();
  for (const plan::TrackTurn& turn : plan.track) {
    line.push_back(frame.at(turn.position));
    times.push_back(navigation::format_utc_time(turn.at));
  }
  if (line.size() < 2) return;
  features.push_back(feature({{"type", "LineString"}, {"coordinates", std::move(line)}},
                             {{"kind", "plan"},
                              {"avoid_kt", plan.avoid_kt},
                              {"keeps_clear", plan.keeps_clear},
                              {"times", std::move(times)}}));
  for (std::size_t i = 0; i < plan.track.size(); ++i) {
    const plan::TrackTurn& turn = plan.track[i];
    features.push_back(feature({{"type", "Point"}, {"coordinates", frame.at(turn.position)}},
                               {{"kind", "turn"},
                                {"name", named.waypoints[i].name},
                                {"time", navigation::format_utc_time(turn.at)},
                                {"course_deg", turn.course_deg},
                                {"speed_kn", turn.speed_kn}}));
  }
}

Error no_features(std::string problem) {
  return {ErrorKind::kUnusable, Field::kAdvisory, {}, std::move(problem)};
}

}  // namespace

Result<ordered_json> answer_geojson(const answer::Answer& answer) {
  if (!answer.forecast) return no_features("advice [F] was left out");
  if (!answer.forecast->advice) return no_features(answer.forecast->no_forecast);
  const forecast::ForecastAdvice& advice = *answer.forecast->advice;
  const std::vector<forecast::StormTrack>& tracks = answer.forecast->tracks;
  const std::vector<advisory::Storm>& storms = answer.forecast_storms;
  const auto& derived = answer.situation.derived;
  Frame frame;
  if (derived && derived->ship) {
    frame.lon = derived->ship->lon;
  } else if (!tracks.empty() && !tracks.front().points.empty()) {
    frame.lon = tracks.front().points.front().centre.lon;
  }
  ordered_json features = ordered_json::array();
  // The danger area is the 34-kt winds grown by the forecast error and margin.
  for (const forecast::DangerArea& area : forecast::danger_swath(advice, tracks)) {
    features.push_back(feature(polygon(area.outline, frame),
                               storm_properties("danger", tracks[area.storm], storms,
                                                forecast::kThresholdKt[0], area.at)));
  }
  for (const forecast::WindArea& area :
       forecast::wind_areas(tracks, forecast::shown_until(advice))) {
    ordered_json properties =
        storm_properties("wind", tracks[area.storm], storms, area.kt, area.at);
    properties["radii_nm"] = area.radii_nm;
    features.push_back(feature(polygon(area.outline, frame), std::move(properties)));
  }
  if (answer.plan && answer.plan->judged) add_plan(*answer.plan, frame, features);
  return ordered_json{{"type", "FeatureCollection"}, {"features", std::move(features)}};
}

}  // namespace hurricane::json
