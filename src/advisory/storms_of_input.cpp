#include "advisory/storms_of_input.h"

namespace hurricane::advisory {

std::optional<Error> add_storms(std::string_view bytes, const std::string& skip,
                                std::vector<Storm>& storms) {
  std::vector<std::string> ids = advisory::tcm_storm_ids(bytes);
  if (ids.size() < 2) ids = {skip};
  for (const std::string& id : ids) {
    if (!skip.empty() && id == skip) continue;
    const Result<Storm> read = advisory::read_advisory(bytes, {id});
    if (!read.ok()) return read.error();
    storms.push_back(read.value());
  }
  return std::nullopt;
}

}  // namespace hurricane::advisory
