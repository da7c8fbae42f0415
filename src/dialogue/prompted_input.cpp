#include "dialogue/prompted_input.h"

#include "console/fixed_line.h"
#include "console/free_line.h"
#include "dialogue/answer.h"

namespace hurricane::dialogue {
namespace {

// The answer as a diagnostic quotes it: trailing blanks dropped, bytes that
// would not print shown as \xNN.
std::string quoted(std::string_view answer) {
  while (!answer.empty() && answer.back() == ' ') answer.remove_suffix(1);
  std::string text = "\"";
  for (const char c : answer) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f) {
      text += c;
    } else {
      constexpr char kHex[] = "0123456789abcdef";
      text += "\\x";
      text += kHex[byte >> 4];
      text += kHex[byte & 0xf];
    }
  }
  return text + "\"";
}

}  // namespace

void readit(double& xxx, Terminal& terminal) {
  using console::FixedLine;
  terminal.output.line(FixedLine(FixedLine::Start::kDirect)
                           .text("        [ Default: ")
                           .real(xxx, 10, 1)
                           .text(" ].    Input=")
                           .str());

  std::string aaa = terminal.read_line(kAnswerLength, "an answer");
  aaa.resize(kAnswerLength, ' ');
  terminal.output.line(console::FreeLine().text(aaa).str());

  const Answer answer = read_answer(aaa);
  switch (answer.kind) {
    case Answer::Kind::kKeep:
      return;
    case Answer::Kind::kUnreadable:
      throw InputFailure("cannot read a number from the answer " + quoted(aaa));
    case Answer::Kind::kNumber:
      xxx = answer.value;
      if (xxx > kAnswerBound) xxx = kAnswerBound;
      if (xxx < -kAnswerBound) xxx = -kAnswerBound;
      return;
  }
}

}  // namespace hurricane::dialogue
