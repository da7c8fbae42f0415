#include "advisory/text_lines.h"

#include <gtest/gtest.h>

namespace hurricane::advisory {
namespace {

TEST(TextLines, NumbersKeptBlanksLeftOut) {
  const std::vector<TextLine> lines = split_lines("a\r\n\n  \r\nb\nc\r");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].text, "a");
  EXPECT_EQ(lines[0].line, 1u);
  EXPECT_EQ(lines[1].text, "b");
  EXPECT_EQ(lines[1].line, 4u);
  EXPECT_EQ(lines[2].text, "c");
  EXPECT_EQ(lines[2].line, 5u);
  EXPECT_TRUE(split_lines("").empty());
}

TEST(TextLines, CountAsErrorsNameThem) {
  EXPECT_EQ(line_count(""), 1u);
  EXPECT_EQ(line_count("a"), 1u);
  EXPECT_EQ(line_count("a\n"), 1u);
  EXPECT_EQ(line_count("a\nb"), 2u);
  EXPECT_EQ(line_count("\n\n"), 2u);
}

}  // namespace
}  // namespace hurricane::advisory
