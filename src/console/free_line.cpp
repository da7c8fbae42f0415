#include "console/free_line.h"

#include <charconv>
#include <system_error>

namespace hurricane::console {

FreeLine& FreeLine::text(std::string_view item) {
  text_.append(item);
  return *this;
}

FreeLine& FreeLine::integer(long long item) {
  char digits[24];  // the longest long long has 20 characters
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, item);
  text_.append(" ");
  if (error == std::errc{})
    text_.append(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  return *this;
}

}  // namespace hurricane::console
