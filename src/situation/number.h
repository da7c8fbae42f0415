// Reading a plain decimal number from an input's text.
#pragma once

#include <string_view>

#include "error/error.h"

namespace hurricane::situation {

// parse_number: the whole of `text` as a finite decimal number: an optional sign, digits with
// an optional point and fraction, an optional exponent. Anything else, "nan", "inf" or a
// value beyond the double range is an unusable value of `field`.
Result<double> parse_number(Field field, std::string_view text);

}  // namespace hurricane::situation
