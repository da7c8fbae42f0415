#include "advisory_forecast/storms_of_input.h"

#include <variant>

namespace hurricane::advisory_forecast {

std::optional<situation::Error> add_storms(std::string_view bytes, const std::string& skip,
                                           std::vector<advisory::Storm>& storms) {
  std::vector<std::string> ids = advisory::tcm_storm_ids(bytes);
  if (ids.size() < 2) ids = {skip};
  for (const std::string& id : ids) {
    if (!skip.empty() && id == skip) continue;
    const advisory::Result read = advisory::read_advisory(bytes, {id});
    if (const auto* error = std::get_if<advisory::ReadError>(&read)) {
      return situation::Error{situation::ErrorKind::kUnusable, situation::Field::kAdvisory, "",
                              error->message, error->line};
    }
    storms.push_back(std::get<advisory::Storm>(read));
  }
  return std::nullopt;
}

}  // namespace hurricane::advisory_forecast
