// Fixed-width fields: the one place where every number of a fixed-field line is formatted.
#pragma once

#include <string>

#include "console/line_text.h"

namespace hurricane::console {

// `value` rounded to `decimals` as "%#.*f" rounds it (the decimal point is kept
// also for 0 decimals), right-aligned in `width` characters. A magnitude below 1
// keeps its leading 0 unless the field is exactly one position too narrow for it;
// a negative value that rounds to zero loses its minus sign. A value that does
// not fit, and a value that is not finite, fills the field with asterisks.
std::string real_field(double value, int width, int decimals);
// The same, appended to `out`.
void append_real_field(LineText& out, double value, int width, int decimals);

// `value` right-aligned in `width` characters; asterisks when it does not fit.
std::string integer_field(long long value, int width);
// The same, appended to `out`.
void append_integer_field(LineText& out, long long value, int width);

}  // namespace hurricane::console
