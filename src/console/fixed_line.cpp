#include "console/fixed_line.h"

#include "console/fields.h"

namespace hurricane::console {

FixedLine& FixedLine::text(std::string_view item) {
  text_.append(item);
  return *this;
}

FixedLine& FixedLine::integer(long long value, int width) {
  append_integer_field(text_, value, width);
  return *this;
}

FixedLine& FixedLine::real(double value, int width, int decimals) {
  append_real_field(text_, value, width, decimals);
  return *this;
}

}  // namespace hurricane::console
