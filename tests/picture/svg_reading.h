// Reading back what the picture wrote: elements by class and their attributes, situations
// by their six answers.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "analysis/advice.h"

namespace hurricane::picture::testing {

using Attributes = std::map<std::string, std::string>;

// elements_of_class: the attributes of every element whose class attribute is `name`, in
// document order. A plain scanner: the picture writes every attribute as name="value".
// (std::regex is avoided: GCC 12 warns inside it under the sanitizers.)
inline std::vector<Attributes> elements_of_class(const std::string& svg, const std::string& name) {
  std::vector<Attributes> found;
  for (std::size_t at = svg.find('<'); at != std::string::npos; at = svg.find('<', at + 1)) {
    const std::size_t end = svg.find('>', at);
    if (end == std::string::npos) break;
    if (svg[at + 1] == '/' || svg[at + 1] == '?' || svg[at + 1] == '!') continue;
    Attributes attrs;
    std::size_t k = svg.find(' ', at);
    while (k < end) {
      const std::size_t eq = svg.find("=\"", k);
      if (eq == std::string::npos || eq > end) break;
      const std::size_t close = svg.find('"', eq + 2);
      attrs[svg.substr(k + 1, eq - k - 1)] = svg.substr(eq + 2, close - eq - 2);
      k = close + 1;
    }
    if (attrs["class"] == name) found.push_back(attrs);
  }
  return found;
}

// advice_for: the advice of the six answers as the dialogue asks them.
inline analysis::Advice advice_for(double dist, double bear, double track, double speed, double cpa,
                                   double vship,
                                   analysis::Hemisphere h = analysis::Hemisphere::kNorth) {
  return analysis::advise(analysis::round_values({dist, bear, track, speed, cpa, vship}), h);
}

}  // namespace hurricane::picture::testing
