#include "advisory/utc_time.h"

#include <gtest/gtest.h>

namespace hurricane::advisory {
namespace {

TEST(UtcTime, EpochSecondsAndIso) {
  EXPECT_EQ(epoch_seconds({1970, 1, 1, 0, 0}), 0);
  EXPECT_EQ(epoch_seconds({2023, 9, 12, 21, 0}), 1694552400);
  EXPECT_EQ(epoch_seconds({2024, 2, 29, 0, 0}), 1709164800);
  EXPECT_EQ(epoch_seconds({1969, 12, 31, 23, 59}), -60);
  EXPECT_EQ(to_iso8601({2023, 9, 12, 21, 0}), "2023-09-12T21:00:00Z");
  EXPECT_EQ(to_iso8601({2024, 1, 1, 6, 5}), "2024-01-01T06:05:00Z");
}

TEST(UtcTime, Validity) {
  EXPECT_TRUE(is_valid({2024, 2, 29, 23, 59}));
  EXPECT_FALSE(is_valid({2023, 2, 29, 0, 0}));
  EXPECT_FALSE(is_valid({2100, 2, 29, 0, 0}));  // a century year that is not a leap year
  EXPECT_TRUE(is_valid({2000, 2, 29, 0, 0}));
  EXPECT_FALSE(is_valid({2023, 4, 31, 0, 0}));
  EXPECT_FALSE(is_valid({2023, 13, 1, 0, 0}));
  EXPECT_FALSE(is_valid({2023, 1, 1, 24, 0}));
  EXPECT_FALSE(is_valid({2023, 1, 1, 0, 60}));
  EXPECT_FALSE(is_valid({1899, 12, 31, 0, 0}));
}

TEST(UtcTime, DayTimeNearestTheReference) {
  const UtcTime new_year_eve{2023, 12, 31, 21, 0};
  EXPECT_EQ(resolve_day_time(new_year_eve, 1, 0, 0), (UtcTime{2024, 1, 1, 0, 0}));
  EXPECT_EQ(resolve_day_time(new_year_eve, 31, 18, 0), (UtcTime{2023, 12, 31, 18, 0}));
  EXPECT_EQ(resolve_day_time(new_year_eve, 25, 0, 0), (UtcTime{2023, 12, 25, 0, 0}));
  const UtcTime new_year{2024, 1, 1, 0, 0};
  EXPECT_EQ(resolve_day_time(new_year, 31, 18, 0), (UtcTime{2023, 12, 31, 18, 0}));
  EXPECT_EQ(resolve_day_time({2023, 9, 12, 21, 0}, 17, 18, 0), (UtcTime{2023, 9, 17, 18, 0}));
  EXPECT_EQ(resolve_day_time({2023, 9, 30, 12, 0}, 3, 12, 0), (UtcTime{2023, 10, 3, 12, 0}));
}

TEST(UtcTime, DayTimeThatDoesNotResolve) {
  EXPECT_FALSE(resolve_day_time({2023, 9, 12, 21, 0}, 27, 0, 0));  // 15 days either way
  EXPECT_FALSE(resolve_day_time({2023, 2, 27, 0, 0}, 30, 0, 0));   // no 30 February
  EXPECT_FALSE(resolve_day_time({2023, 9, 12, 21, 0}, 0, 0, 0));
  EXPECT_FALSE(resolve_day_time({2023, 9, 12, 21, 0}, 12, 24, 0));
  EXPECT_FALSE(resolve_day_time({2023, 9, 31, 0, 0}, 1, 0, 0));  // the reference is no date
}

}  // namespace
}  // namespace hurricane::advisory
