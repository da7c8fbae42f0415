// Lines wrapped for the bridge's 80 columns: over many made-up lines, every piece fits, the
// words come back in order, and a figure is never parted from its unit.
#include "cli/wrapped.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace hurricane::cli {
namespace {

std::vector<std::string> words_of(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

TEST(Wrapped, PiecesFitKeepTheWordsAndHoldUnitsToTheirFigures) {
  const std::vector<std::string> vocabulary = {
      "course", "least", "clearance",   "748",  "nm",  "12.0",  "kn",        "at",
      "21.1",   "h",     "(13/1806Z);", "34",   "kt",  "nm,",   "it",        "meets",
      "land",   "h;",    "danger",      "area", "0.0", "winds", "(distance", "outside)"};
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, vocabulary.size() - 1), count(1, 60);
  for (int trial = 0; trial < 2000; ++trial) {
    std::string line = trial % 2 == 0 ? "Recommended:" : "   centre       ";
    for (std::size_t n = count(random); n > 0; --n) line += " " + vocabulary[pick(random)];
    const std::vector<std::string> pieces = wrapped(line);
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      EXPECT_LE(pieces[i].size(), kTextWidth) << pieces[i];
      joined += pieces[i] + " ";
      if (i == 0) continue;
      // A continuation never starts with a unit whose figure ended the piece before.
      const std::string first = words_of(pieces[i]).front();
      const char before = pieces[i - 1].back();
      const bool unit = first == "nm" || first == "kn" || first == "kt" || first == "h" ||
                        first == "nm," || first == "h;";
      EXPECT_FALSE(unit && before >= '0' && before <= '9') << pieces[i - 1] << "|" << pieces[i];
    }
    EXPECT_EQ(words_of(joined), words_of(line));
  }
}

}  // namespace
}  // namespace hurricane::cli
