#include "analysis/limits.h"

#include <gtest/gtest.h>

#include <cstddef>

#include <random>
#include <vector>

namespace hurricane::analysis {
namespace {

struct Ranges {
  int numc = 0;
  std::vector<int> kcrs;  // entries 1..numc
  CourseArray all{};      // the whole list, to see what stayed untouched
  bool error = false;
};

// Limits of a field in which exactly the courses in [first, last] pairs are admissible.
Ranges ranges_of(std::initializer_list<std::pair<int, int>> admissible, int code = 1) {
  CourseArray icrs{};
  for (std::size_t c = 1; c <= nc; ++c) icrs[c] = code;
  for (auto [first, last] : admissible) {
    for (auto c = static_cast<std::size_t>(first); c <= static_cast<std::size_t>(last); ++c) {
      icrs[c] = 0;
    }
  }
  Ranges r;
  r.all.fill(7);
  r.error = limits(icrs, r.all, r.numc);
  for (std::size_t k = 1; k <= static_cast<std::size_t>(r.numc); ++k) r.kcrs.push_back(r.all[k]);
  return r;
}

using V = std::vector<int>;

TEST(Limits, RangesInOrderOfFirstCourseWithWrapThroughNorth) {
  EXPECT_EQ(ranges_of({{350, 360}, {1, 10}, {100, 120}}).kcrs, (V{100, 120, 350, 10}));
  EXPECT_EQ(ranges_of({{10, 19}, {30, 39}, {300, 309}}).kcrs, (V{10, 19, 30, 39, 300, 309}));
  EXPECT_EQ(ranges_of({{1, 359}}).kcrs, (V{1, 359}));
  EXPECT_EQ(ranges_of({{360, 360}}).kcrs, (V{360, 360}));
  EXPECT_EQ(ranges_of({{77, 77}}).kcrs, (V{77, 77}));
  EXPECT_EQ(ranges_of({{77, 77}}, 15).kcrs, (V{77, 77}));  // any non-zero code rejects
  EXPECT_EQ(ranges_of({{2, 360}}).kcrs, (V{2, 360}));
}

TEST(Limits, OneVerdictForAllCoursesLeavesTheListAlone) {
  for (const Ranges& r : {ranges_of({{1, 360}}), ranges_of({})}) {
    EXPECT_EQ(r.numc, 0);
    EXPECT_EQ(r.all[1], 7);
    EXPECT_FALSE(r.error);
  }
}

// Read as a circle, starts and ends of a 0/1 field alternate, so a start is always there.
TEST(Limits, EveryNonEmptyTransitionListHoldsAStart) {
  std::mt19937 gen(7);
  for (int n = 0; n < 500; ++n) {
    CourseArray icrs{};
    const int flips = 1 + static_cast<int>(gen() % 12);
    for (int f = 0; f < flips; ++f) icrs[1 + gen() % nc] ^= 1;
    const Transitions tr = find_transitions(icrs);
    EXPECT_EQ(tr.numc % 2, 0);
    for (std::size_t k = 2; k <= static_cast<std::size_t>(tr.numc); ++k) {
      EXPECT_EQ(tr.kfeld[k], -tr.kfeld[k - 1]);
    }
  }
}

// The error line, unreachable from a course field, on a transition list without a start.
TEST(Limits, ListWithoutAStartWritesTheErrorLine) {
  Transitions tr;
  tr.numc = 2;
  tr.ifeld[1] = 40;
  tr.ifeld[2] = 90;
  tr.kfeld[1] = -1;
  tr.kfeld[2] = -1;
  CourseArray kcrs{};
  int numc = -1;
  EXPECT_TRUE(order_ranges(tr, kcrs, numc));
  EXPECT_EQ(numc, 2);
  EXPECT_EQ(kcrs[1], 0);
}

}  // namespace
}  // namespace hurricane::analysis
