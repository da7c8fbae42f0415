// Finding a plan: a coarse enumeration of holds and legs, pruned by what the best found so far
// leaves possible and by where the ship already got to by other ways, then the best refined
// to whole degrees, all five speeds, whole hours and a third leg.
#pragma once

#include <optional>
#include <vector>

#include "plan/shape.h"

namespace hurricane::plan {

struct SearchLimits {
  std::vector<double> holds_h;  // the holds tried (hours; only 0 without a voyage)
  std::size_t legs = 2;         // at most this many legs
  bool first_found = false;     // stop at the first plan that keeps clear
};

// The plans of the coarse grid that keep clear on `walk` (courses every 10 degrees, full and
// half speed and stopped, legs ending every 6 h), best first: the best and what it pruned
// against on the way.
std::vector<Scored> coarse_search(const Walk& walk, const SearchLimits& limits);

// `plan` improved step by step on `walk`: each leg's course by a few degrees, its speed, its
// hours, the hold's hours, a leg added or dropped; while the ranking improves.
Scored refine(const Walk& walk, Scored plan);

// The hours the voyage can be held at sea and off land, from the start: the first breach.
double voyage_clear_h(const Walk& walk);

}  // namespace hurricane::plan
