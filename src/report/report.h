// The classic report: the lines the console prints for one round's advice.
#pragma once

#include <string>

#include "analysis/advice.h"
#include "report/lines.h"

namespace hurricane::report {

// echo_lines: the three lines that echo the round's values (distance and bearing, track and
// speed with U, distance to keep and ship speed).
Lines echo_lines(const analysis::RoundValues& values);

// result_lines: every line the round prints after "==> Result:": the range finder's error
// line if it met one, advice [A], advice [B], the dangerous quarter and the verdict.
Lines result_lines(const analysis::Advice& advice);

// notes_lines: what the classic lines leave unsaid, for outputs other than the dialogue (whose
// lines stay as they always were): escapes that need more than 80% of the ship's top speed
// ("little reserve"), and that a ship with no speed cannot move whatever [B] names.
Lines notes_lines(const analysis::Advice& advice);

// The blocks of result_lines, each appended to `out`.
void escape_sector_lines(const analysis::Advice& advice, Lines& out);  // advice [A]
void max_cpa_lines(const analysis::Advice& advice, Lines& out);        // advice [B]
void verdict_lines(const analysis::Advice& advice, Lines& out);        // quarter and verdict

// land_meeting_line: "     meets land at +9.0 h near 22.9N 82.1W", below its escape.
std::string land_meeting_line(const analysis::LandMeeting& meeting);

// land_note_lines: how the escapes were held against land (nothing without a ship's position),
// appended to `out` after advice [A].
void land_note_lines(const analysis::LandCheckInfo& land, Lines& out);

}  // namespace hurricane::report
