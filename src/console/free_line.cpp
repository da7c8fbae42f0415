#include "console/free_line.h"

namespace hurricane::console {

FreeLine& FreeLine::text(std::string_view item) {
  text_ += item;
  return *this;
}

FreeLine& FreeLine::integer(long long item) {
  text_ += ' ';
  text_ += std::to_string(item);
  return *this;
}

}  // namespace hurricane::console
