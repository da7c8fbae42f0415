// The board of an advisory's answer: the storm ahead from the forecast track, not the present
// motion, with its wind radii, at the places and times the advisory states; drawn where the
// board's scale puts them.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <GeographicLib/Geodesic.hpp>

#include "answer/answer.h"
#include "cli/advisory_runs.h"
#include "forecast/centre_in_time.h"
#include "forecast/from_advisory.h"
#include "picture/layout.h"
#include "picture/maneuvering_board.h"
#include "picture/svg_reading.h"

namespace hurricane::cli_test {
namespace {

using picture::testing::Attributes;
using picture::testing::elements_of_class;

// Lee's advisory 30 for a ship at `ship`, at `at` (ISO UTC) when given.
answer::Answer lee_answer(const std::string& text, const std::string& ship,
                          std::optional<std::string> at = std::nullopt) {
  situation::Request request;
  request.ship = ship;
  request.ship_speed = 12.0;
  request.at = at;
  const auto answered = answer::answer({request, answer::AdvisoryInput{text, "", {}}});
  if (!answered.ok()) {
    ADD_FAILURE() << answered.error().problem;
    return {};
  }
  const answer::Answer& a = answered.value();
  if (!a.advice) ADD_FAILURE() << "no classic advice";
  return a;
}

double number(const Attributes& a, const std::string& name) {
  return std::stod(a.at(name));
}

// Where a position `north_nm`, `east_nm` from the ship lands on the board of `advice`.
picture::Screen pixel(const analysis::Advice& advice, double north_nm, double east_nm) {
  return picture::on_board(picture::board_for(advice), north_nm, east_nm);
}

TEST(BoardForecast, PositionsAheadAreTheForecastCentresWhereTheBoardPutsThem) {
  const std::string text = advisory_text("tcm-al132023-30.txt");
  const answer::Answer a = lee_answer(text, "22N,62W");
  ASSERT_TRUE(a.advice);
  ASSERT_TRUE(a.advice->drawing.forecast);
  const std::string svg = picture::maneuvering_board(*a.advice);
  const std::vector<Attributes> drawn = elements_of_class(svg, "forecast-position");
  ASSERT_EQ(drawn.size(), 3u);  // +12, +24 and +48 h all lie on this board

  // The centre by the forecast's own reckoning, seen from the ship along the geodesic.
  const advisory::Storm storm = a.advisory->storm.storm;
  const forecast::CentreInTime centre(*forecast::track_from_advisory(storm));
  const forecast::Time now = *a.situation.derived->storm_time;
  const double px_per_nm = picture::board_for(*a.advice).px_per_nm;
  const double hours[] = {12, 24, 48};
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    SCOPED_TRACE(hours[i]);
    EXPECT_EQ(number(drawn[i], "data-hours"), hours[i]);
    const forecast::Time time = forecast::add_hours(now, hours[i]);
    EXPECT_EQ(drawn[i].at("data-time"), navigation::format_utc_time(time));
    const navigation::LatLon c = centre.at(time);
    double metres = 0, azimuth = 0, back = 0;
    GeographicLib::Geodesic::WGS84().Inverse(22.0, -62.0, c.lat, c.lon, metres, azimuth, back);
    const double nm = metres / 1852.0;
    const double rad = azimuth * std::numbers::pi / 180.0;
    const picture::Screen want = pixel(*a.advice, nm * std::cos(rad), nm * std::sin(rad));
    // Within the two decimals the document writes.
    EXPECT_NEAR(number(drawn[i], "cx"), want.x, 0.01);
    EXPECT_NEAR(number(drawn[i], "cy"), want.y, 0.01);
    // The bearing and range from the ship a navigator would read off the board.
    const double dx = number(drawn[i], "cx") - picture::kBoardX;
    const double dy = picture::kBoardY - number(drawn[i], "cy");
    EXPECT_NEAR(std::hypot(dx, dy) / px_per_nm, nm, 0.02 / px_per_nm + 1e-9);
    EXPECT_NEAR(std::remainder(std::atan2(dx, dy) * 180 / std::numbers::pi - azimuth, 360.0), 0.0,
                0.05);
  }
  // No straight line of the present motion beside the forecast.
  EXPECT_TRUE(elements_of_class(svg, "track").empty());
  EXPECT_TRUE(elements_of_class(svg, "storm-ahead").empty());
}

TEST(BoardForecast, AtAForecastTimeThePositionsAndRadiiAreTheAdvisorysOwn) {
  // At 13/0600Z, the advisory's first forecast time: +12 h and +24 h fall on its next two
  // points, with the radii it lists there.
  const answer::Answer a =
      lee_answer(advisory_text("tcm-al132023-30.txt"), "22N,62W", "2023-09-13T06:00Z");
  ASSERT_TRUE(a.advice);
  ASSERT_TRUE(a.advice->drawing.forecast);
  const std::vector<analysis::ForecastPosition>& positions = a.advice->drawing.forecast->positions;
  ASSERT_GE(positions.size(), 3u);
  EXPECT_EQ(positions[0].time, "2023-09-13T06:00:00Z");
  EXPECT_NEAR(positions[0].lat, 25.4, 1e-9);
  EXPECT_NEAR(positions[0].lon, -67.0, 1e-9);
  EXPECT_NEAR(positions[1].lat, 26.7, 1e-9);
  EXPECT_NEAR(positions[1].lon, -67.6, 1e-9);
  EXPECT_NEAR(positions[2].lat, 28.6, 1e-9);
  EXPECT_NEAR(positions[2].lon, -68.1, 1e-9);
  const analysis::WindRadii at_13_18z = {
      {{230, 210, 170, 180}, {150, 120, 100, 130}, {90, 80, 60, 75}}};
  EXPECT_EQ(positions[1].radii_nm, at_13_18z);

  // Drawn: each threshold's outline around its centre, the quadrants at their own radii.
  const std::string svg = picture::maneuvering_board(*a.advice);
  const picture::Board board = picture::board_for(*a.advice);
  const picture::Screen centre =
      picture::on_board(board, positions[1].centre.north, positions[1].centre.east);
  int outlines = 0;
  for (const Attributes& area : elements_of_class(svg, "wind-radii")) {
    if (area.at("data-hours") != "12") continue;
    ++outlines;
    const std::size_t k = area.at("data-kt") == "34" ? 0 : area.at("data-kt") == "50" ? 1 : 2;
    // "M c L start A r,r 0 0 1 end" per quadrant: every arc's ends lie at its radius.
    const std::string d = area.at("d");
    std::size_t quadrant = 0;
    for (std::size_t at = d.find(" A"); at != std::string::npos; at = d.find(" A", at + 1)) {
      const double r = std::stod(d.substr(at + 2));
      const std::size_t end_at = d.find(" 0 0 1 ", at) + 7;
      const double x = std::stod(d.substr(end_at));
      const double y = std::stod(d.substr(d.find(',', end_at) + 1));
      EXPECT_NEAR(r, at_13_18z[k][quadrant] * board.px_per_nm, 0.01) << area.at("data-kt");
      EXPECT_NEAR(std::hypot(x - centre.x, y - centre.y), r, 0.02);
      ++quadrant;
    }
    EXPECT_EQ(quadrant, 4u);
  }
  EXPECT_EQ(outlines, 3);
}

TEST(BoardForecast, ABestTrackOrNoAdvisoryKeepsThePresentMotion) {
  // A best track holds no forecast: the board draws the present motion as without an advisory.
  situation::Request request;
  request.ship = "27N,60W";
  request.ship_speed = 12.0;
  const std::string best = advisory_text("bal132023-at-adv30.dat");
  const auto answered = answer::answer({request, answer::AdvisoryInput{best, "AL132023", {}}});
  ASSERT_TRUE(answered.ok());
  ASSERT_TRUE(answered.value().advice);
  const analysis::Advice& advice = *answered.value().advice;
  EXPECT_FALSE(advice.drawing.forecast);
  const std::string svg = picture::maneuvering_board(advice);
  EXPECT_FALSE(elements_of_class(svg, "storm-ahead").empty());
  EXPECT_FALSE(elements_of_class(svg, "track").empty());
  EXPECT_TRUE(elements_of_class(svg, "forecast-position").empty());
  EXPECT_TRUE(elements_of_class(svg, "wind-radii").empty());
}

}  // namespace
}  // namespace hurricane::cli_test
