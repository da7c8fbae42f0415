// Whole sessions held in memory, and the texts the robustness tests look for.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue/driver.h"

namespace hurricane::robustness {

struct Session {
  int status = -1;
  std::string out;
  std::string err;
};

inline Session run_session(std::string_view typed) {
  std::istringstream in{std::string(typed)};
  std::ostringstream out;
  std::ostringstream err;
  const int status = dialogue::run_advisor(in, out, err);
  return {status, out.str(), err.str()};
}

// The answers as typed lines, each ended by `ending`.
inline std::string typed(const std::vector<std::string>& answers, std::string_view ending = "\n") {
  std::string text;
  for (const auto& answer : answers) (text += answer) += ending;
  return text;
}

inline int occurrences(std::string_view text, std::string_view part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

inline constexpr std::string_view kClosing =
    " ~~~~~~~~~~~~~~~~~~~END of Program~~~~~~~~~~~~~~~~~~~~\n\n";
inline constexpr std::string_view kRestartWait = "      <..hit RETURN to restart>\n";
inline constexpr std::string_view kDiagnosticStart = "hurricane-escape: ";

// One diagnostic line and nothing else on standard error.
inline bool one_diagnostic_line(std::string_view err) {
  return err.starts_with(kDiagnosticStart) && err.ends_with('\n') &&
         err.find('\n') == err.size() - 1;
}

}  // namespace hurricane::robustness
