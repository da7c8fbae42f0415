#include "dialogue/answer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace hurricane::dialogue {
namespace {

double number(const std::string& text) {
  const Answer answer = read_answer(text);
  EXPECT_EQ(answer.kind, Answer::Kind::kNumber) << '"' << text << '"';
  return answer.value;
}

Answer::Kind kind(const std::string& text) {
  return read_answer(text).kind;
}

TEST(ReadAnswer, PlainNumbersInEveryNotation) {
  EXPECT_EQ(number("12      "), 12.0);
  EXPECT_EQ(number(" -7.5   "), -7.5);
  EXPECT_EQ(number("+3"), 3.0);
  EXPECT_EQ(number("1e3"), 1000.0);
  EXPECT_EQ(number("1D2"), 100.0);
  EXPECT_EQ(number("2.5d-1"), 0.25);
  EXPECT_EQ(number("1E+2"), 100.0);
  EXPECT_EQ(number(".5"), 0.5);
  EXPECT_EQ(number("5."), 5.0);
  EXPECT_EQ(number("-.5e1"), -5.0);
  EXPECT_EQ(number("12345678"), 12345678.0);
  EXPECT_EQ(number("0.1"), 0.1);  // correctly rounded, not accumulated digit by digit
}

TEST(ReadAnswer, NumberEndsAtSeparatorAndRestIsNotRead) {
  EXPECT_EQ(number("5 abc"), 5.0);
  EXPECT_EQ(number("5,abc"), 5.0);
  EXPECT_EQ(number("5/abc"), 5.0);
  EXPECT_EQ(number("\t5\tx"), 5.0);
  EXPECT_EQ(number("1 2 3"), 1.0);
}

TEST(ReadAnswer, ExtremeMagnitudes) {
  EXPECT_TRUE(std::isinf(number("1e999")));
  EXPECT_LT(number("-1e999"), 0.0);
  EXPECT_EQ(number("1e-999"), 0.0);
  EXPECT_EQ(number("4.9e-324"), 4.9e-324);
  EXPECT_EQ(number("-0"), 0.0);
  EXPECT_TRUE(std::signbit(number("-0")));
}

TEST(ReadAnswer, BlankAndNullValuesKeepTheDefault) {
  EXPECT_EQ(kind("        "), Answer::Kind::kKeep);
  EXPECT_EQ(kind(""), Answer::Kind::kKeep);
  EXPECT_EQ(kind("\t \t"), Answer::Kind::kKeep);
  EXPECT_EQ(kind(","), Answer::Kind::kKeep);
  EXPECT_EQ(kind("  /5"), Answer::Kind::kKeep);
}

TEST(ReadAnswer, AnythingButAPlainNumberIsUnreadable) {
  for (const char* text : {"abc", "+", "-", ".", "-.", "1e", "1e+", "1D-", "12abc", "1.5.3", "2*5",
                           "nan", "inf", "-inf", "0x10", "e5", "1e5.5", "5-", "\r"}) {
    EXPECT_EQ(kind(text), Answer::Kind::kUnreadable) << '"' << text << '"';
  }
  EXPECT_EQ(kind(std::string("5\0", 2)), Answer::Kind::kUnreadable);
  EXPECT_EQ(kind(std::string("\0", 1)), Answer::Kind::kUnreadable);
}

// What the free-form reading cuts short ("1,5" is 1, ",5" keeps the default), and what it
// rightly takes whole.
TEST(SplitNumber, CommaOrBlankBeforeADigitOrPoint) {
  EXPECT_EQ(split_number("1,5     "), Split::kComma);
  EXPECT_EQ(split_number("12,5"), Split::kComma);
  EXPECT_EQ(split_number(",5"), Split::kComma);
  EXPECT_EQ(split_number("1, 5"), Split::kComma);
  EXPECT_EQ(split_number("1 ,5"), Split::kComma);
  EXPECT_EQ(split_number("1,000,0"), Split::kComma);
  EXPECT_EQ(split_number("1 000"), Split::kBlank);
  EXPECT_EQ(split_number("1\t000"), Split::kBlank);
  EXPECT_EQ(split_number(" 12 .5"), Split::kBlank);
  EXPECT_EQ(split_number("12 kn 5"), Split::kBlank);
  EXPECT_EQ(split_number("1, x 5"), Split::kBlank);  // only the separators just before the digit

  EXPECT_EQ(split_number("   12   "), Split::kNone);  // leading and trailing blanks
  EXPECT_EQ(split_number("12 kn"), Split::kNone);
  EXPECT_EQ(split_number("150nm"), Split::kNone);
  EXPECT_EQ(split_number("1,"), Split::kNone);
  EXPECT_EQ(split_number("1/5"), Split::kNone);
  EXPECT_EQ(split_number("-1 -2"), Split::kNone);
  EXPECT_EQ(split_number("        "), Split::kNone);
  EXPECT_EQ(split_number(""), Split::kNone);
}

}  // namespace
}  // namespace hurricane::dialogue
