#include "dialogue/prompted_input.h"

#include <optional>
#include <string>
#include <string_view>

#include "console/fields.h"
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

// At an interactive terminal, why `aaa` is asked again, with what is expected;
// empty when the answer is taken as the dialogue reads it.
std::string retype_hint(std::string_view aaa, const Answer& answer, double xxx) {
  const char* problem = nullptr;
  if (answer.kind == Answer::Kind::kUnreadable) {
    problem = " is not a number; ";
  } else {
    switch (split_number(aaa)) {
      case Split::kNone:
        return {};
      case Split::kComma:
        problem = ": decimals take a point; ";
        break;
      case Split::kBlank:
        problem = ": a blank ends a number; ";
        break;
    }
  }
  std::string keep = console::real_field(xxx, 10, 1);  // the default as the prompt shows it
  keep.erase(0, keep.find_first_not_of(' '));
  return "  " + quoted(aaa) + problem + "type it again, or RETURN to keep " + keep;
}

}  // namespace

bool readit_or_end(double& xxx, Terminal& terminal) {
  using console::FixedLine;
  for (;;) {
    terminal.output.line(FixedLine(FixedLine::Start::kDirect)
                             .text("        [ Default: ")
                             .real(xxx, 10, 1)
                             .text(" ].    Input=")
                             .str());

    std::optional<std::string> line = terminal.read_line_or_end(kAnswerLength);
    if (!line) return false;
    std::string aaa = *std::move(line);
    aaa.resize(kAnswerLength, ' ');
    terminal.output.line(console::FreeLine().text(aaa).str());

    const Answer answer = read_answer(aaa);
    if (terminal.interactive) {
      const std::string hint = retype_hint(aaa, answer, xxx);
      if (!hint.empty()) {
        terminal.output.line(hint);
        continue;
      }
    }
    switch (answer.kind) {
      case Answer::Kind::kKeep:
        return true;
      case Answer::Kind::kUnreadable:
        throw InputFailure("cannot read a number from the answer " + quoted(aaa));
      case Answer::Kind::kNumber:
        xxx = answer.value;
        if (xxx > kAnswerBound) xxx = kAnswerBound;
        if (xxx < -kAnswerBound) xxx = -kAnswerBound;
        return true;
    }
  }
}

void readit(double& xxx, Terminal& terminal) {
  if (!readit_or_end(xxx, terminal)) throw InputFailure("input ended while waiting for an answer");
}

}  // namespace hurricane::dialogue
