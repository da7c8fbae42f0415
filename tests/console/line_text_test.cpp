// Lines are built in place up to their inline room and on the heap beyond it, with the same
// characters either way.
#include "console/line_text.h"

#include <gtest/gtest.h>

#include <string>

#include "console/fixed_line.h"
#include "console/free_line.h"

namespace hurricane::console {
namespace {

TEST(LineText, KeepsEveryCharacterAcrossTheInlineRoom) {
  // Pieces of every size from 0 to 12, in turn texts and runs of one character, well past the
  // inline room: each step must match a plain string built the same way.
  LineText line;
  std::string expected;
  for (std::size_t piece = 0; expected.size() < 3 * LineText::kInline; piece = (piece + 1) % 13) {
    const std::string text(piece, static_cast<char>('a' + piece));
    if (piece % 2 == 0) {
      line.append(text);
      expected += text;
    } else {
      line.append(piece, '#');
      expected.append(piece, '#');
    }
    ASSERT_EQ(line.view(), expected) << expected.size();
  }
}

TEST(LineText, LinesLongerThanTheRoomComeOutWhole) {
  const std::string long_text(LineText::kInline, 'x');
  EXPECT_EQ(FreeLine().text(long_text).integer(-12).str(), " " + long_text + " -12");
  EXPECT_EQ(FixedLine().text(long_text).real(2.5, 6, 1).integer(7, 3).str(),
            " " + long_text + "   2.5  7");
  // A field wider than any value can be fills with asterisks, here past the inline room.
  EXPECT_EQ(FixedLine().text("a").real(1.0, 150, 1).str(), " a" + std::string(150, '*'));
}

}  // namespace
}  // namespace hurricane::console
