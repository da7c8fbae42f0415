// The sample products kept in data/ and shorthands for reading them in tests.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "advisory/read_advisory.h"
#include "advisory/utc_time.h"

namespace hurricane::advisory {

// A time as the tests write the products' times; the test fails on a moment that does not exist.
inline UtcTime utc(int year, int month, int day, int hour, int minute = 0) {
  const std::optional<UtcTime> time = navigation::civil_time(year, month, day, hour, minute);
  EXPECT_TRUE(time) << year << '-' << month << '-' << day << ' ' << hour << ':' << minute;
  return time.value_or(UtcTime{});
}

inline std::string sample(std::string_view name) {
  std::ifstream file(std::string(ADVISORY_DATA_DIR) + "/" + std::string(name), std::ios::binary);
  EXPECT_TRUE(file.good()) << "cannot open " << name;
  return {std::istreambuf_iterator<char>(file), {}};
}

// The storm read; a failed test (and an empty storm) when the reading gives an error.
inline Storm read_storm(std::string_view bytes, std::string_view storm_id = {}) {
  const Result<Storm> result = read_advisory(bytes, {std::string(storm_id)});
  if (!result.ok()) {
    ADD_FAILURE() << "line " << result.error().line << ": " << result.error().problem;
    return {};
  }
  return result.value();
}

// The error; a failed test (and line 0) when the reading gives a storm.
inline Error read_error(std::string_view bytes, std::string_view storm_id = {}) {
  const Result<Storm> result = read_advisory(bytes, {std::string(storm_id)});
  if (!result.ok()) return result.error();
  ADD_FAILURE() << "read a storm where an error was due";
  return {};
}

// `text` with the first `from` replaced by `to`; a failed test when `from` is not in it.
inline std::string replaced(std::string_view original, std::string_view from, std::string_view to) {
  std::string text(original);
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << "no " << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The fewest lines a forecast/advisory needs, and a few more, issued on the last day of a year.
inline constexpr std::string_view kSmallTcm =
    "HURRICANE TEST FORECAST/ADVISORY NUMBER   1\n"
    "NWS NATIONAL HURRICANE CENTER MIAMI FL       AL992023\n"
    "2100 UTC SUN DEC 31 2023\n"
    "\n"
    "HURRICANE CENTER LOCATED NEAR 24.7N  66.4W AT 31/2100Z\n"
    "PRESENT MOVEMENT TOWARD THE NORTHWEST OR 315 DEGREES AT   6 KT\n"
    "MAX SUSTAINED WINDS 100 KT WITH GUSTS TO 120 KT.\n"
    "AT 31/1800Z CENTER WAS LOCATED NEAR 24.5N  66.2W\n"
    "FORECAST VALID 01/0600Z 25.4N  67.0W\n"
    "MAX WIND 100 KT...GUSTS 120 KT.\n"
    "$$\n";

inline QuadrantRadii radii(int ne, int se, int sw, int nw) {
  return {{ne, se, sw, nw}};
}

}  // namespace hurricane::advisory
