// myname: the hidden attribution screen.
#pragma once

#include "dialogue/terminal.h"

namespace hurricane::dialogue {

// Shows the attribution screen and waits for ENTER when the whole-number parts
// of `day`, `month` and `year` (the round's distance, bearing and track) are
// 17, 9 and 1961; does nothing otherwise. Changes none of the three.
void myname(const double& day, const double& month, const double& year, Terminal& terminal);

}  // namespace hurricane::dialogue
