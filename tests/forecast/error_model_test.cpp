#include "forecast/error_model.h"

#include <gtest/gtest.h>

namespace hurricane::forecast {
namespace {

TEST(ConeTable, SeasonThenNewestEarlierThenNearest) {
  EXPECT_EQ(cone_table("AL", 2024).season, 2024);
  EXPECT_EQ(cone_table("AL", 2030).season, 2026);
  EXPECT_EQ(cone_table("AL", 2019).season, 2023);
  EXPECT_EQ(cone_table("EP", 2025).season, 2023);
  EXPECT_EQ(cone_table("EP", 2025).basin, "EP");
  EXPECT_EQ(cone_table("CP", 2024).radii_nm[0], 34);
  // A basin without tables of its own uses the Atlantic's.
  EXPECT_EQ(cone_table("WP", 2023).basin, "AL");
}

TEST(ErrorRadius, ConeFromAccuracyThroughTheTable) {
  ErrorModel model;
  model.table = cone_table("AL", 2023);
  EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, 0), 20);
  EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, -3), 20);  // before the analysis
  EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, 6), 23);
  EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, 12), 26);
  EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, 30), 46);
  EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, 84), 122);
  EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, 150), 205);  // held beyond 120 h
  model.scale = 2;
  EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, 0), 20);  // the accuracy is not scaled
  EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, 6), 36);
  EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, 24), 78);
}

// Pins: the cone's hours were counted from a 21Z analysis, 3 h short of the forecast hours the
// radii belong to. The accuracy holds at the analysis, each radius at its forecast hour.
TEST(ErrorRadius, ConeHoursCountFromTheSynopticHour) {
  ErrorModel model;
  model.table = cone_table("AL", 2023);
  for (const double lag : {0.0, 3.0, 5.0}) {
    EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, 0, lag), 20);
    for (std::size_t i = 0; i < kConeHours.size(); ++i) {
      EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, kConeHours[i] - lag, lag),
                       model.table.radii_nm[i]);
      if (i == 0) continue;
      const double middle = 0.5 * (kConeHours[i - 1] + kConeHours[i]) - lag;
      EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, middle, lag),
                       0.5 * (model.table.radii_nm[i - 1] + model.table.radii_nm[i]));
    }
  }
  EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, 4.5, 3), 23);  // half way to the 12-h radius
}

TEST(ErrorRadius, MarinersRuleAndNone) {
  ErrorModel model;
  model.kind = ErrorModel::Kind::kMarinersRule;
  EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, 48), 200);
  EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, 2), 20);
  model.kind = ErrorModel::Kind::kNone;
  EXPECT_DOUBLE_EQ(error_radius_nm(model, 20, 48), 0);
}

}  // namespace
}  // namespace hurricane::forecast
