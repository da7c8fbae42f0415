// Fields convert exactly as the C library's printf("%#.*f") does, for every kind of value.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "console/fields.h"

namespace hurricane::console {
namespace {

// The field as printf writes it, with the sign, leading-zero and fitting rules on top.
std::string printf_field(double value, int width, int decimals) {
  const std::string stars(static_cast<std::size_t>(std::max(width, 0)), '*');
  if (!std::isfinite(value) || std::fabs(value) >= 1e60 || width > 64) return stars;
  char buffer[128];
  const int length = std::snprintf(buffer, sizeof buffer, "%#.*f", decimals, value);
  std::string text(buffer, static_cast<std::size_t>(length));
  if (text.front() == '-' && text.find_first_of("123456789") == std::string::npos) {
    text.erase(0, 1);
  }
  if (static_cast<int>(text.size()) == width + 1) {
    const std::size_t zero = text.front() == '-' ? 1 : 0;
    if (text.compare(zero, 2, "0.") == 0) text.erase(zero, 1);
  }
  if (static_cast<int>(text.size()) > width) return stars;
  return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

// Exact halves at every decimal (ties round to even), values a hair either side of them,
// tiny and huge magnitudes, and random ones of both signs.
std::vector<double> values() {
  std::vector<double> list = {0.0,    -0.0,    0.05,   -0.05, 0.15,     0.25,
                              0.35,   2.5,     3.5,    -2.5,  99.95,    999999.5,
                              1e-300, -1e-300, 5e-324, 1e59,  -9.99e59, 123456789.125};
  for (int n = 1; n <= 12; ++n) {
    for (int k = 1; k < 40; k += 2) {
      const double half = std::ldexp(k, -n);
      for (const double v :
           {half, 10.0 + half, -half, std::nextafter(half, 0.0), std::nextafter(half, 1.0)}) {
        list.push_back(v);
      }
    }
  }
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-12, 8);
  for (int k = 0; k < 20000; ++k)
    list.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
  return list;
}

TEST(RealField, ConvertsExactlyAsPrintf) {
  for (const double value : values()) {
    for (int decimals = 0; decimals <= 4; ++decimals) {
      for (const int width : {1, 2, 3, 4, 5, 6, 10, 12}) {
        ASSERT_EQ(real_field(value, width, decimals), printf_field(value, width, decimals))
            << value << " width " << width << " decimals " << decimals;
      }
    }
    for (const int decimals : {12, 30}) {
      ASSERT_EQ(real_field(value, 64, decimals), printf_field(value, 64, decimals)) << value;
    }
  }
}

TEST(IntegerField, WritesEveryValueAsToString) {
  for (const long long value : {0LL, -1LL, 7LL, -59LL, 123456LL, -9223372036854775807LL - 1}) {
    const std::string digits = std::to_string(value);
    for (int width = 0; width <= 22; ++width) {
      const std::string expected = static_cast<int>(digits.size()) > width
                                       ? std::string(static_cast<std::size_t>(width), '*')
                                       : std::string(width - digits.size(), ' ') + digits;
      ASSERT_EQ(integer_field(value, width), expected) << value << " " << width;
    }
  }
}

}  // namespace
}  // namespace hurricane::console
