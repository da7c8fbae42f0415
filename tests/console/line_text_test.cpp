// Lines are built in place up to their inline room and on the heap beyond it, with the same
// characters either way.
#include "console/line_text.h"

#include <gtest/gtest.h>

#include <string>

#include "console/free_line.h"

namespace hurricane::console {
namespace {

TEST(LineText, KeepsEveryCharacterAcrossTheInlineRoom) {
  // Texts and runs of every length from 0 to 12 in turn, well past the inline room.
  LineText line;
  std::string expected;
  for (std::size_t piece = 0; expected.size() < 3 * LineText::kInline; piece = (piece + 1) % 13) {
    const std::string text(piece, static_cast<char>('a' + piece));
    piece % 2 == 0 ? line.append(text) : line.append(piece, '#');
    piece % 2 == 0 ? expected.append(text) : expected.append(piece, '#');
    ASSERT_EQ(line.view(), expected);
  }
  const std::string long_text(LineText::kInline, 'x');
  EXPECT_EQ(FreeLine().text(long_text).integer(-12).str(), " " + long_text + " -12");
}

}  // namespace
}  // namespace hurricane::console
