// Reading back what the picture wrote: elements by class and their attributes, situations
// by their six answers.
#pragma once

#include <cstddef>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "analysis/advice.h"

namespace hurricane::picture::testing {

using Attributes = std::map<std::string, std::string>;

// elements_of_class: the attributes of every element whose class attribute is `name`, in
// document order.
inline std::vector<Attributes> elements_of_class(const std::string& svg, const std::string& name) {
  std::vector<Attributes> found;
  const std::regex element("<[a-zA-Z]+ ([^>]*)>");
  const std::regex attribute("([a-zA-Z0-9:-]+)=\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element);
       it != std::sregex_iterator(); ++it) {
    const std::string inside = (*it)[1];
    Attributes attrs;
    for (auto a = std::sregex_iterator(inside.begin(), inside.end(), attribute);
         a != std::sregex_iterator(); ++a) {
      attrs[(*a)[1]] = (*a)[2];
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
