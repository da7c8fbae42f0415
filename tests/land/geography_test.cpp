// Well-known coasts, each with the distance the chart gives (within the shoreline's resolution,
// about 1 km).
#include <gtest/gtest.h>
#include <GeographicLib/Rhumb.hpp>

#include <cmath>

#include "land/land.h"
#include "shared_land.h"

namespace hurricane::land {
namespace {

using testing::shared_land;

TEST(Geography, CoursesThatMeetKnownCoasts) {
  const Land& land = shared_land();
  EXPECT_NE(land.source().find("GSHHG"), std::string_view::npos);

  // South from the Florida Straits: the cays off Varadero (Cayo Piedras, 23.25N) at 15 nm,
  // before Cuba's north coast itself at about 23.08N.
  const auto cuba = land.first_landfall(23.5, -81.0, 180.0, 300.0);
  ASSERT_TRUE(cuba);
  EXPECT_NEAR(cuba->distance_nm, 15.0, 1.0);
  EXPECT_NEAR(cuba->lat, 23.25, 0.02);
  EXPECT_DOUBLE_EQ(cuba->lon, -81.0);
  EXPECT_FALSE(land.on_land(23.12, -81.0));
  EXPECT_TRUE(land.on_land(23.06, -81.0));

  // West across the Gulf Stream: the beach between Fort Lauderdale and Hollywood at 80.11W.
  const auto florida = land.first_landfall(26.0, -79.5, 270.0, 300.0);
  ASSERT_TRUE(florida);
  EXPECT_NEAR(florida->distance_nm, 33.0, 0.6);
  EXPECT_NEAR(florida->lon, -80.11, 0.01);
  EXPECT_NEAR(florida->lat, 26.0, 1e-9);

  // North from the shelf: Grand Isle, Louisiana, at 29.23N (the start lies on a bin edge of
  // the data, so this track runs through vertices).
  const auto louisiana = land.first_landfall(28.0, -90.0, 0.0, 300.0);
  ASSERT_TRUE(louisiana);
  EXPECT_NEAR(louisiana->distance_nm, 73.5, 1.0);
  EXPECT_NEAR(louisiana->lat, 29.23, 0.02);
}

TEST(Geography, OpenOceanMeetsNothing) {
  const Land& land = shared_land();
  EXPECT_FALSE(land.on_land(30.0, -50.0));
  for (int course = 0; course < 360; ++course) {
    EXPECT_FALSE(land.first_landfall(30.0, -50.0, course, 300.0)) << "course " << course;
  }
}

TEST(Geography, CourseAlongTheCoastStaysClear) {
  const Land& land = shared_land();
  // North up the Florida Straits at 79.8W: the coast runs 15 nm to the west all the way
  // (Jupiter, Stuart, Fort Pierce), Grand Bahama lies east of 79W.
  EXPECT_FALSE(land.first_landfall(26.0, -79.8, 0.0, 90.0));
  const auto abeam = land.first_landfall(27.0, -79.8, 270.0, 100.0);
  ASSERT_TRUE(abeam);
  EXPECT_NEAR(abeam->distance_nm, 15.6, 1.0);
}

TEST(Geography, LandLakesAndIslands) {
  const Land& land = shared_land();
  EXPECT_TRUE(land.on_land(22.0, -79.5));          // central Cuba
  EXPECT_TRUE(land.on_land(39.0, -98.0));          // Kansas
  EXPECT_TRUE(land.on_land(40.0, 20.0));           // Albania
  EXPECT_FALSE(land.on_land(47.5, -87.5));         // Lake Superior: water
  EXPECT_TRUE(land.on_land(48.0, -88.9));          // Isle Royale, an island in it
  EXPECT_TRUE(land.on_land(-80.0, 0.0));           // Antarctica, inside the ice front
  EXPECT_TRUE(land.on_land(-90.0, 0.0));           // the South Pole
  EXPECT_FALSE(land.on_land(90.0, 0.0));           // the North Pole: sea ice is not land
  EXPECT_FALSE(land.on_land(25.0, -85.0));         // the Gulf of Mexico
  EXPECT_TRUE(land.on_land(22.0, -79.5 + 360.0));  // any turn of longitude
  EXPECT_FALSE(land.on_land(NAN, -79.5));
  EXPECT_FALSE(land.on_land(91.0, 0.0));
}

// Tracks across the 180th meridian find the same landfall as the part of them beyond it, so
// they differ by exactly the distance between the starts.
TEST(Geography, TracksAcrossTheDateLine) {
  const Land& land = shared_land();
  const auto& rhumb = GeographicLib::Rhumb::WGS84();
  struct Case {
    double lat, lon_across, lon_beyond, course, landfall_lon;
  };
  const Case cases[] = {
      {64.0, -177.0, 179.5, 270.0, 178.66},  // west to Chukotka
      {51.8, 179.5, -179.5, 90.0, -178.87},  // east to Gareloi, Aleutians
  };
  for (const Case& c : cases) {
    const auto across = land.first_landfall(c.lat, c.lon_across, c.course, 600.0);
    const auto beyond = land.first_landfall(c.lat, c.lon_beyond, c.course, 600.0);
    ASSERT_TRUE(across && beyond) << c.lat;
    EXPECT_NEAR(across->lon, c.landfall_lon, 0.01);
    EXPECT_NEAR(across->lon, beyond->lon, 1e-9);
    double between_m = 0.0, azimuth = 0.0;
    rhumb.Inverse(c.lat, c.lon_across, c.lat, c.lon_beyond, between_m, azimuth);
    EXPECT_NEAR(across->distance_nm - beyond->distance_nm, between_m / 1852.0, 1e-6);
  }
}

}  // namespace
}  // namespace hurricane::land
