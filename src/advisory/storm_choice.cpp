#include "advisory/storm_choice.h"
#include "advisory/characters.h"

#include <set>

#include "advisory/result.h"

namespace hurricane::advisory {
namespace {

constexpr std::size_t kMaxListed = 10;

// "AL132023, AL142023", in order of first appearance, cut after kMaxListed.
std::string listing(const std::vector<std::string>& distinct) {
  std::string text;
  for (std::size_t i = 0; i < distinct.size() && i < kMaxListed; ++i) {
    if (i > 0) text += ", ";
    text += distinct[i];
  }
  if (distinct.size() > kMaxListed) {
    text += " and " + std::to_string(distinct.size() - kMaxListed) + " more";
  }
  return text;
}

}  // namespace

Result<std::string> choose_storm(const std::vector<std::string>& found, std::string_view wanted,
                                 std::string_view where) {
  std::vector<std::string> distinct;
  std::set<std::string_view> seen;
  for (const std::string& id : found) {
    if (seen.insert(id).second) distinct.push_back(id);
  }
  const std::string key = upper(wanted);
  if (key.empty()) {
    if (distinct.size() == 1) return distinct.front();
    return line_error(std::string(where) + " holds " + std::to_string(distinct.size()) +
                      " storms (" + listing(distinct) + "): choose one by its storm id");
  }
  if (seen.contains(key)) return key;
  return line_error("no storm " + key + " in " + std::string(where) + ", which holds " +
                    listing(distinct));
}

}  // namespace hurricane::advisory
