#include "console/fixed_line.h"

#include "console/fields.h"

namespace hurricane::console {

FixedLine& FixedLine::text(std::string_view item) {
  text_ += item;
  return *this;
}

FixedLine& FixedLine::integer(long long value, int width) {
  text_ += integer_field(value, width);
  return *this;
}

FixedLine& FixedLine::real(double value, int width, int decimals) {
  text_ += real_field(value, width, decimals);
  return *this;
}

}  // namespace hurricane::console
