// Times as products state them: which dates a product may name, and where a day/time lands.
#include "advisory/utc_time.h"

#include <gtest/gtest.h>

#include "samples.h"

namespace hurricane::advisory {
namespace {

TEST(StatedTime, OnlyRealMomentsOfPlausibleYears) {
  EXPECT_EQ(stated_time(2023, 9, 12, 21, 0), utc(2023, 9, 12, 21));
  EXPECT_EQ(stated_time(2024, 2, 29, 23, 59), utc(2024, 2, 29, 23, 59));
  EXPECT_EQ(stated_time(2000, 2, 29, 0, 0), utc(2000, 2, 29, 0));
  EXPECT_EQ(stated_time(1900, 1, 1, 0, 0), utc(1900, 1, 1, 0));
  EXPECT_EQ(stated_time(2200, 12, 31, 23, 59), utc(2200, 12, 31, 23, 59));
  EXPECT_FALSE(stated_time(2023, 2, 29, 0, 0));
  EXPECT_FALSE(stated_time(2100, 2, 29, 0, 0));  // a century year that is not a leap year
  EXPECT_FALSE(stated_time(2023, 4, 31, 0, 0));
  EXPECT_FALSE(stated_time(2023, 13, 1, 0, 0));
  EXPECT_FALSE(stated_time(2023, 1, 1, 24, 0));
  EXPECT_FALSE(stated_time(2023, 1, 1, 0, 60));
  EXPECT_FALSE(stated_time(1899, 12, 31, 0, 0));
  EXPECT_FALSE(stated_time(2201, 1, 1, 0, 0));
}

TEST(StatedTime, DayTimeNearestTheReference) {
  const UtcTime new_year_eve = utc(2023, 12, 31, 21);
  EXPECT_EQ(resolve_day_time(new_year_eve, 1, 0, 0), utc(2024, 1, 1, 0));
  EXPECT_EQ(resolve_day_time(new_year_eve, 31, 18, 0), utc(2023, 12, 31, 18));
  EXPECT_EQ(resolve_day_time(new_year_eve, 25, 0, 0), utc(2023, 12, 25, 0));
  EXPECT_EQ(resolve_day_time(utc(2024, 1, 1, 0), 31, 18, 0), utc(2023, 12, 31, 18));
  EXPECT_EQ(resolve_day_time(utc(2023, 9, 12, 21), 17, 18, 0), utc(2023, 9, 17, 18));
  EXPECT_EQ(resolve_day_time(utc(2023, 9, 30, 12), 3, 12, 0), utc(2023, 10, 3, 12));
  // Ten days either way is the farthest a product's day/time may lie from its date.
  EXPECT_EQ(resolve_day_time(utc(2023, 9, 12, 0), 22, 0, 0), utc(2023, 9, 22, 0));
  EXPECT_FALSE(resolve_day_time(utc(2023, 9, 12, 0), 22, 0, 1));
}

TEST(StatedTime, DayTimeThatDoesNotResolve) {
  EXPECT_FALSE(resolve_day_time(utc(2023, 9, 12, 21), 27, 0, 0));  // 15 days either way
  EXPECT_FALSE(resolve_day_time(utc(2023, 2, 27, 0), 30, 0, 0));   // no 30 February
  EXPECT_FALSE(resolve_day_time(utc(2023, 9, 12, 21), 0, 0, 0));
  EXPECT_FALSE(resolve_day_time(utc(2023, 9, 12, 21), 12, 24, 0));
  EXPECT_FALSE(resolve_day_time(utc(2023, 9, 12, 21), 32, 0, 0));
}

}  // namespace
}  // namespace hurricane::advisory
