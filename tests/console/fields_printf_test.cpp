// Real fields convert exactly as the C library's printf("%#.*f") does.
#include <gtest/gtest.h>

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
  const std::string stars(static_cast<std::size_t>(width), '*');
  if (!std::isfinite(value) || std::fabs(value) >= 1e60 || width > 64) return stars;
  char buffer[128];
  std::string text(buffer, static_cast<std::size_t>(
                               std::snprintf(buffer, sizeof buffer, "%#.*f", decimals, value)));
  if (text[0] == '-' && text.find_first_of("123456789") == std::string::npos) text.erase(0, 1);
  const std::size_t zero = text[0] == '-' ? 1 : 0;
  if (static_cast<int>(text.size()) == width + 1 && text.compare(zero, 2, "0.") == 0) {
    text.erase(zero, 1);
  }
  if (static_cast<int>(text.size()) > width) return stars;
  return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

// Exact halves at every decimal (ties go to even) and their neighbours, tiny, huge and
// random values of both signs, at every width and number of decimals the system uses.
TEST(RealField, ConvertsExactlyAsPrintf) {
  std::vector<double> values = {0.0, -0.0, 0.05, -0.05, 99.95, 999999.5, 5e-324, -9.99e59};
  for (int n = 1; n <= 12; ++n) {
    for (int k = -39; k < 40; k += 2) {
      const double half = std::ldexp(k, -n);
      values.insert(values.end(),
                    {half, 10.0 + half, std::nextafter(half, 0.0), std::nextafter(half, 100.0)});
    }
  }
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-12, 8);
  for (int k = 0; k < 20000; ++k)
    values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));

  for (const double value : values) {
    for (int decimals = 0; decimals <= 4; ++decimals) {
      for (const int width : {1, 2, 3, 4, 5, 6, 10, 64}) {
        ASSERT_EQ(real_field(value, width, decimals), printf_field(value, width, decimals))
            << value << " width " << width << " decimals " << decimals;
      }
    }
    ASSERT_EQ(real_field(value, 64, 30), printf_field(value, 64, 30)) << value;
  }
}

}  // namespace
}  // namespace hurricane::console
