// One `advise` run: the situation formed, analysed and written as text or JSON.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"

namespace hurricane::cli {

// run_advise: forms the situation of `command.request`, advises on it and writes the answer to
// `out` in `command.format` (and its picture to `command.svg`, when given); warnings go to
// `errors`. Returns the exit status; on an error one diagnostic line goes to `errors` and
// nothing to `out`.
int run_advise(const CommandLine& command, std::string_view version, std::ostream& out,
               std::ostream& errors);

// What a front-end of `advise` adds to the answer.
struct AnswerAdditions {
  std::vector<std::string> head;      // text lines before the block of the derived values
  std::vector<std::string> tail;      // text lines after the classic report
  std::string motion_from = "given";  // where track and speed came from, unless from fixes
  nlohmann::ordered_json json = nlohmann::ordered_json::object();  // members of the JSON answer
  std::string svg;     // the picture's file (--svg), empty for none
  bool night = false;  // the picture in red on black
};

// picture_additions: the additions that draw the picture `command` asks for.
AnswerAdditions picture_additions(const CommandLine& command);

// write_advice: advises on `situation` and writes the answer: in text the head first, then
// the block of the derived values and the classic lines; in JSON the advice object with the
// members of the additions. The picture, when asked for, is written first: one that cannot
// be written is an unusable value, and then nothing goes to `out`. Warnings go to `errors`.
// Returns the exit status.
int write_advice(const situation::Situation& situation, Format format, std::string_view version,
                 const AnswerAdditions& additions, std::ostream& out, std::ostream& errors);

// The exit status of an error of the situation: 1 for an unusable value, else 2.
int status_of(const situation::Error& error);

}  // namespace hurricane::cli
