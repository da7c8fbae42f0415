// The one UTC time of every area: which calendar moments exist, and their text.
#include "navigation/utc_time.h"

#include <gtest/gtest.h>

#include <array>

namespace hurricane::navigation {
namespace {

TEST(CivilTime, OnlyMomentsThatExist) {
  EXPECT_EQ(civil_time(1970, 1, 1, 0, 0)->time_since_epoch().count(), 0);
  EXPECT_EQ(civil_time(2023, 9, 12, 21, 0)->time_since_epoch().count(), 1694552400);
  EXPECT_EQ(civil_time(1969, 12, 31, 23, 59, 30)->time_since_epoch().count(), -30);
  EXPECT_TRUE(civil_time(2024, 2, 29, 23, 59, 59));
  EXPECT_TRUE(civil_time(2000, 2, 29, 0, 0));   // a leap century
  EXPECT_FALSE(civil_time(2100, 2, 29, 0, 0));  // a century that is not
  EXPECT_FALSE(civil_time(2023, 4, 31, 0, 0));
  for (const auto& [month, day, hour, minute, second] :
       {std::array{0, 1, 0, 0, 0}, std::array{13, 1, 0, 0, 0}, std::array{1, 0, 0, 0, 0},
        std::array{1, 32, 0, 0, 0}, std::array{1, 1, 24, 0, 0}, std::array{1, 1, -1, 0, 0},
        std::array{1, 1, 0, 60, 0}, std::array{1, 1, 0, 0, 60}, std::array{-5, 1, 0, 0, 0}}) {
    EXPECT_FALSE(civil_time(2023, month, day, hour, minute, second))
        << month << " " << day << " " << hour << " " << minute << " " << second;
  }
}

TEST(CivilTime, TextAndHoursBetween) {
  const UtcTime fix = *civil_time(2023, 12, 31, 21, 0);
  const UtcTime later = *civil_time(2024, 1, 1, 3, 0, 30);
  EXPECT_EQ(format_utc_time(fix), "2023-12-31T21:00:00Z");
  EXPECT_EQ(format_utc_time(later), "2024-01-01T03:00:30Z");
  EXPECT_DOUBLE_EQ(hours_between(fix, later), 6.0 + 30.0 / 3600);
  EXPECT_DOUBLE_EQ(hours_between(later, fix), -(6.0 + 30.0 / 3600));
}

TEST(CivilTime, FieldsDayTimeAndHoursAdded) {
  const UtcTime late = *civil_time(2024, 2, 29, 23, 59, 58);
  const CivilTime f = civil_fields(late);
  EXPECT_EQ((std::array{f.year, f.month, f.day, f.hour, f.minute, f.second}),
            (std::array{2024, 2, 29, 23, 59, 58}));
  EXPECT_EQ(civil_fields(*civil_time(1969, 12, 31, 23, 0)).year, 1969);  // before the epoch
  EXPECT_EQ(format_day_time(late), "29/2359Z");
  EXPECT_EQ(format_utc_time(add_hours(late, 1.0 / 1800)), "2024-03-01T00:00:00Z");  // to the second
  EXPECT_EQ(format_utc_time(add_hours(late, -24.0)), "2024-02-28T23:59:58Z");
}

TEST(CivilTime, NearestDayTimeCrossesMonthsAndYears) {
  const UtcTime new_year_eve = *civil_time(2023, 12, 31, 21, 0);
  EXPECT_EQ(nearest_day_time(new_year_eve, 1, 3, 0), civil_time(2024, 1, 1, 3, 0));
  EXPECT_EQ(nearest_day_time(new_year_eve, 31, 18, 0), civil_time(2023, 12, 31, 18, 0));
  EXPECT_EQ(nearest_day_time(new_year_eve, 15, 0, 0),  // 14 days on, not 17 back
            civil_time(2024, 1, 15, 0, 0));
  EXPECT_EQ(nearest_day_time(*civil_time(2023, 3, 2, 0, 0), 30, 0, 0),  // no 30 February
            civil_time(2023, 3, 30, 0, 0));
  EXPECT_FALSE(nearest_day_time(new_year_eve, 32, 0, 0));
  EXPECT_FALSE(nearest_day_time(new_year_eve, 1, 24, 0));
}

}  // namespace
}  // namespace hurricane::navigation
