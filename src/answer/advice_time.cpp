#include "answer/advice_time.h"

#include <cstdio>

namespace hurricane::answer {
namespace {

std::string hours_text(double hours) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f h", hours);
  return text;
}

// Whole days, for an age a reader would not work out from hours.
std::string days_text(double hours) {
  char text[32];
  std::snprintf(text, sizeof text, "%.0f days", hours / 24.0);
  return text;
}

}  // namespace

std::optional<Error> advice_time_error(situation::UtcTime analysis, situation::UtcTime advice,
                                       const std::string& at_text) {
  const double age = situation::hours_between(analysis, advice);
  if (age < -kEarliestBeforeAnalysisH) {
    return Error{ErrorKind::kUnusable, Field::kAt, at_text,
                 "is " + hours_text(-age) + " before the advisory's analysis time " +
                     situation::format_utc_time(analysis) +
                     "; the advisory places the storm no earlier " + "than " +
                     hours_text(kEarliestBeforeAnalysisH) + " before it"};
  }
  if (age > kRefusedAfterH) {
    return Error{ErrorKind::kUnusable, Field::kAdvisory, "",
                 "its analysis time " + situation::format_utc_time(analysis) + " is " +
                     hours_text(age) + " old at the advice time " +
                     situation::format_utc_time(advice) + " (" + days_text(age) + "), more than " +
                     hours_text(kRefusedAfterH) + ": get the latest advisory for this storm"};
  }
  return std::nullopt;
}

std::optional<std::string> stale_warning(situation::UtcTime analysis, situation::UtcTime advice) {
  const double age = situation::hours_between(analysis, advice);
  if (age <= kStaleAfterH) return std::nullopt;
  return "STALE: the advisory's analysis time " + situation::format_utc_time(analysis) + " is " +
         hours_text(age) + " old at the advice time; get the latest advisory for this storm";
}

}  // namespace hurricane::answer
