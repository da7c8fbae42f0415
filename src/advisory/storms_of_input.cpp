#include "advisory/storms_of_input.h"

#include <variant>

namespace hurricane::advisory {

std::optional<Error> add_storms(std::string_view bytes, const std::string& skip,
                                std::vector<Storm>& storms) {
  std::vector<std::string> ids = advisory::tcm_storm_ids(bytes);
  if (ids.size() < 2) ids = {skip};
  for (const std::string& id : ids) {
    if (!skip.empty() && id == skip) continue;
    const advisory::Result read = advisory::read_advisory(bytes, {id});
    if (const auto* error = std::get_if<advisory::ReadError>(&read)) {
      return Error{ErrorKind::kUnusable, Field::kAdvisory, "", error->message, error->line};
    }
    storms.push_back(std::get<Storm>(read));
  }
  return std::nullopt;
}

}  // namespace hurricane::advisory
