// The plan and the shoreline on the maneuvering board: the board's plan is the answer's plan
// seen from the ship (checked against GeographicLib directly), the shoreline within reach is
// there, and the picture draws the plan's arrow and the ship's positions where they lie.
#include "answer/board_plan.h"

#include <gtest/gtest.h>

#include <GeographicLib/Geodesic.hpp>
#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>

#include "answer/answer.h"
#include "navigation/utc_time.h"
#include "picture/layout.h"
#include "picture/maneuvering_board.h"

namespace hurricane::answer {
namespace {

std::string lee_30() {
  std::ifstream in(ADVISORY_DATA_DIR "/tcm-al132023-30.txt", std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

const land::Land& shoreline() {
  static const land::Land land = std::move(land::Land::load(HURRICANE_SHORELINE_FILE).value());
  return land;
}

TEST(BoardPlan, IsTheAnswersPlanSeenFromTheShipAndDrawnThere) {
  const std::string text = lee_30();
  // Off Hispaniola's north coast, bound for Nassau: the voyage held, then legs.
  situation::Request ship;
  ship.ship = "20.5N,69.0W";
  ship.ship_speed = 14;
  Request request{ship, AdvisoryInput{text, "", std::nullopt}, &shoreline()};
  request.forecast.plan_to = navigation::LatLon{25.5, -77.5};
  const Result<Answer> answered = answer(request);
  ASSERT_TRUE(answered.ok());
  const Answer& a = answered.value();
  ASSERT_TRUE(a.plan && a.advice && a.advice->drawing.plan);
  const plan::Plan& plan = *a.plan;
  const analysis::BoardPlan& board = *a.advice->drawing.plan;
  EXPECT_EQ(board.course_deg, plan.track.front().course_deg);
  EXPECT_EQ(board.speed_kn, plan.track.front().speed_kn);
  EXPECT_EQ(board.until, navigation::format_day_time(plan.track[1].at));
  ASSERT_EQ(board.hourly.size(), plan.hourly.size());
  const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
  for (std::size_t h = 0; h < plan.hourly.size(); ++h) {
    double metres = 0, azimuth = 0, back = 0;
    wgs84.Inverse(20.5, -69.0, plan.hourly[h].lat, plan.hourly[h].lon, metres, azimuth, back);
    const double nm = metres / 1852.0, rad = azimuth * 0.017453292519943295;
    EXPECT_NEAR(board.hourly[h].north, nm * std::cos(rad), 1e-6) << h;
    EXPECT_NEAR(board.hourly[h].east, nm * std::sin(rad), 1e-6) << h;
  }

  // With land the board has the shoreline within its reach, Hispaniola's Samana peninsula some
  // 70 nm south of the ship among it, and none far beyond the board's outer ring.
  const analysis::Advice drawn = board_advice(a, &shoreline());
  const picture::Board scale = picture::board_for(drawn);
  const double reach = scale.ring_step_nm * scale.rings;
  double nearest = 1e9, farthest = 0;
  for (const auto& piece : drawn.drawing.shore) {
    for (const analysis::Offset& p : piece) {
      nearest = std::min(nearest, std::hypot(p.north, p.east));
      farthest = std::max(farthest, std::hypot(p.north, p.east));
    }
  }
  EXPECT_GT(nearest, 55.0);
  EXPECT_LT(nearest, 85.0);
  EXPECT_LT(farthest, 2.0 * reach);  // the corners of a box a little beyond the outer ring
  EXPECT_TRUE(board_advice(a, nullptr).drawing.shore.empty());

  // The picture: the plan's group states its course, and each ship position ahead is drawn
  // where the board puts that hour of the plan.
  const std::string svg = picture::maneuvering_board(drawn);
  EXPECT_NE(svg.find("class=\"plan\" data-course=\"" + std::to_string(board.course_deg) + "\""),
            std::string::npos);
  EXPECT_NE(svg.find("class=\"shore\""), std::string::npos);
  const std::regex marker(
      "class=\"plan-position\" data-hours=\"([0-9.]+)\" x=\"([-0-9.]+)\" y=\"([-0-9.]+)\"");
  int markers = 0;
  for (auto m = std::sregex_iterator(svg.begin(), svg.end(), marker); m != std::sregex_iterator();
       ++m, ++markers) {
    const auto h = static_cast<std::size_t>(std::stod((*m)[1]));
    const picture::Screen at =
        picture::on_board(scale, board.hourly[h].north, board.hourly[h].east);
    EXPECT_NEAR(std::stod((*m)[2]) + 4, at.x, 0.01) << h;
    EXPECT_NEAR(std::stod((*m)[3]) + 4, at.y, 0.01) << h;
  }
  EXPECT_GE(markers, 2);
}

}  // namespace
}  // namespace hurricane::answer
