#include "dialogue/round_result.h"

namespace hurricane::dialogue {

void write_round_result(const analysis::RoundValues& values, int nosu, console::Output& out) {
  // Filled in once the analysis and the report exist.
  (void)values;
  (void)nosu;
  (void)out;
}

}  // namespace hurricane::dialogue
