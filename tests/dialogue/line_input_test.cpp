#include "dialogue/line_input.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace hurricane::dialogue {
namespace {

TEST(LineInput, KeepsTheStartOfEachLineAndSkipsTheRest) {
  std::istringstream stream("123456789\nab\n\nlast");
  LineInput input(stream);
  EXPECT_EQ(input.read_line(8), "12345678");
  EXPECT_EQ(input.read_line(8), "ab");
  EXPECT_EQ(input.read_line(8), "");
  EXPECT_EQ(input.read_line(8), "last");  // no line break: still a line
  EXPECT_EQ(input.read_line(8), std::nullopt);
  EXPECT_EQ(input.read_line(8), std::nullopt);
}

TEST(LineInput, CarriageReturnBelongsToTheLineEnding) {
  std::istringstream stream("12\r\n\r\n1234567\r\n12345678\r\na\rb\r\nend\r");
  LineInput input(stream);
  EXPECT_EQ(input.read_line(8), "12");
  EXPECT_EQ(input.read_line(8), "");
  EXPECT_EQ(input.read_line(8), "1234567");
  EXPECT_EQ(input.read_line(8), "12345678");
  EXPECT_EQ(input.read_line(8), "a\rb");  // only the one before the break goes
  EXPECT_EQ(input.read_line(8), "end");
  EXPECT_EQ(input.read_line(8), std::nullopt);
}

TEST(LineInput, KeepingNothingStillConsumesTheLine) {
  std::istringstream stream("typed text\nnext\n");
  LineInput input(stream);
  EXPECT_EQ(input.read_line(0), "");
  EXPECT_EQ(input.read_line(8), "next");
}

TEST(LineInput, HugeLineIsSkippedNotStored) {
  std::string huge(5'000'000, 'x');
  huge += "\n7\n";
  std::istringstream stream(huge);
  LineInput input(stream);
  const auto first = input.read_line(8);
  ASSERT_TRUE(first);
  EXPECT_EQ(*first, "xxxxxxxx");
  EXPECT_LE(first->capacity(), 64u);
  EXPECT_EQ(input.read_line(8), "7");
}

TEST(LineInput, NulBytesAreOrdinaryCharacters) {
  std::istringstream stream(std::string("a\0b\n", 4));
  LineInput input(stream);
  EXPECT_EQ(input.read_line(8), std::string("a\0b", 3));
}

}  // namespace
}  // namespace hurricane::dialogue
