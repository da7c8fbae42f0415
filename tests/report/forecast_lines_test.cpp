// The words of advice [F] for the cases where no course is open at full speed.
#include "report/forecast_lines.h"

#include <gtest/gtest.h>

#include <string>

#include "forecast/tracks.h"

namespace hurricane::report {
namespace {

namespace fc = hurricane::forecast;
using fc::testing::equal_radii;
using fc::testing::track_of;

fc::SweepRequest request_for(fc::LatLon ship, double speed_kn = 12) {
  fc::SweepRequest request;
  request.at = fc::testing::analysis_time();
  request.ship = ship;
  request.speed_kn = speed_kn;
  request.horizon_h = 24;
  request.error.kind = fc::ErrorModel::Kind::kNone;
  return request;
}

std::string text_of(const fc::ForecastAdvice& advice) {
  std::string text;
  for (const std::string& line : forecast_lines(advice)) text += line + "\n";
  return text;
}

const fc::StormTrack kStorm =
    track_of({{0, {20, -60}, 80, equal_radii(100)}, {24, {20, -60}, 80, equal_radii(100)}});

// Fault: land shutting every full-speed course was worded as the danger area, with a least-bad
// course "-853 nm inside". The reason that holds is said, and the slower speed offered instead.
TEST(ForecastLines, LandShuttingEveryCourseIsSaidAsLand) {
  fc::LandHours land{};
  for (auto& hour : land[0]) hour = 5.0;
  const fc::ForecastAdvice advice =
      fc::advise_forecast({kStorm}, request_for({23, -60}), std::nullopt, &land);
  const std::string text = text_of(advice);
  EXPECT_NE(text.find("Every course at 12.0 kn meets land within the horizon; 1"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find(" also run into the danger area (the 34-kt winds + forecast error + "
                      "margin).\nSlowed to 9.0 kn, courses "),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("Least bad"), std::string::npos);
  EXPECT_EQ(text.find("inside"), std::string::npos);
}

// Fault: "Least bad: course 000" for a ship with no speed. No course, staying put only.
TEST(ForecastLines, AShipWithoutSpeedIsGivenNoCourse) {
  const std::string text = text_of(fc::advise_forecast({kStorm}, request_for({23, -60}, 0), 0.0));
  EXPECT_NE(text.find("The ship has no speed: no course is given, only staying put is judged.\n"
                      "Staying put: open"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("course 0"), std::string::npos);
}

// Fault: "[F] and the classic advice disagree" when no [F] course was open at all: that is said
// instead, and the ship inside is told the course out soonest.
TEST(ForecastLines, NoneOpenIsSaidInsteadOfDisagreeing) {
  const fc::StormTrack big =
      track_of({{0, {20, -60}, 80, equal_radii(300)}, {24, {20, -60}, 80, equal_radii(300)}});
  fc::ForecastAdvice advice = fc::advise_forecast({big}, request_for({20.5, -60}), std::nullopt);
  fc::compare_with_classic(advice, 180);
  const std::string text = text_of(advice);
  EXPECT_EQ(text.find("disagree"), std::string::npos) << text;
  EXPECT_NE(text.find("No [F] course is open at 12.0 kn, and the classic advice's course 180 is "
                      "shut by the danger area along the forecast too."),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("The ship is inside the danger area (the 34-kt winds + forecast error + "
                      "margin) now: no course at 12.0 kn keeps clear of it.\nLeast bad (out of "
                      "it soonest, at "),
            std::string::npos)
      << text;
}

}  // namespace
}  // namespace hurricane::report
